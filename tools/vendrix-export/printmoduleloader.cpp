#include "printmoduleloader.h"

#include <dlfcn.h>
#include <filesystem>
#include <system_error>
#include <vector>

namespace vendrix::exporter {

namespace fs = std::filesystem;

namespace {

void* loadedModule = nullptr;

std::vector<fs::path> moduleCandidates() {
    std::error_code ec;
    const fs::path executable = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
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
        // Never unloaded: Qt keeps running parts of itself until the program ends.
        void* module = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            error = "cannot load " + file.string() + ": " + dlerror();
            return nullptr;
        }
        loadedModule = module;
        entry = reinterpret_cast<PrintEntry>(dlsym(module, kPrintEntryName));
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
    const auto entry = reinterpret_cast<DiagramEntry>(dlsym(loadedModule, kDiagramEntryName));
    if (entry == nullptr)
        error = "the print module beside vendrix-export draws no diagrams";
    return entry;
}

} // namespace vendrix::exporter
