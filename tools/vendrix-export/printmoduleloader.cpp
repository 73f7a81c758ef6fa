#include "printmoduleloader.h"

#include "native/nativeprocess.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace vendrix::exporter {

namespace fs = std::filesystem;

namespace {

void* loadedModule = nullptr;

std::vector<fs::path> moduleCandidates() {
    const fs::path executable = native::executableFile();
    if (executable.empty())
        return {};
    const fs::path folder = executable.parent_path();
    return {folder / VENDRIX_PRINT_MODULE_FILE, folder / VENDRIX_PRINT_MODULE_INSTALLED};
}

} // namespace

PrintEntry loadPrintModule(std::string& error) {
    static PrintEntry entry = nullptr;
    if (entry != nullptr)
        return entry;
    const std::vector<fs::path> candidates = moduleCandidates();
    for (const fs::path& file : candidates) {
        std::error_code ec;
        if (!fs::exists(file, ec))
            continue;
        void* module = native::loadModule(file, error);
        if (module == nullptr)
            return nullptr;
        loadedModule = module;
        entry = reinterpret_cast<PrintEntry>(native::moduleFunction(module, kPrintEntryName));
        if (entry == nullptr)
            error = file.string() + " is not the print module of this exporter";
        return entry;
    }
    error = std::string("printing needs ") + VENDRIX_PRINT_MODULE_FILE +
            " beside vendrix-export, and it is not there";
    return nullptr;
}

DiagramEntry loadDiagramModule(std::string& error) {
    if (loadPrintModule(error) == nullptr)
        return nullptr;
    const auto entry =
        reinterpret_cast<DiagramEntry>(native::moduleFunction(loadedModule, kDiagramEntryName));
    if (entry == nullptr)
        error = "the print module beside vendrix-export draws no diagrams";
    return entry;
}

} // namespace vendrix::exporter
