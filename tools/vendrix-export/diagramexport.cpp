#include "diagramexport.h"

#include "diagramfilename.h"
#include "output/outputfile.h"
#include "printmoduleloader.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <system_error>

namespace vendrix::exporter {

namespace fs = std::filesystem;

namespace {

void tell(const std::string& message) {
    std::cerr << "vendrix-export: " << message << '\n';
}

// One diagram file, written beside its place and renamed into it once complete, so no half-written
// SVG is left under a park's name. No flush to the disk per file: a season holds thousands of parks,
// and a diagram is drawn again at the next run.
bool writeDiagram(const fs::path& target, std::string_view bytes) {
    fs::path partial = target;
    partial += ".partial";
    {
        errno = 0;
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            const int error = errno;
            std::error_code ec;
            fs::remove(partial, ec);
            tell("cannot write " + target.string() +
                 (error != 0 ? ": " + std::generic_category().message(error) : std::string()));
            return false;
        }
    }
    std::error_code ec;
    fs::rename(partial, target, ec);
    if (ec) {
        fs::remove(partial, ec);
        tell("cannot write " + target.string() + ": " + ec.message());
        return false;
    }
    return true;
}

bool makeFolder(const std::string& folder) {
    // The cause is the making's own error: a later test of the folder would overwrite it.
    std::error_code made;
    fs::create_directories(folder, made);
    std::error_code ec;
    if (fs::is_directory(folder, ec))
        return true;
    tell("cannot make the folder " + folder + ": " +
         (made ? made.message()
          : ec ? ec.message()
               : std::string("a file is in the way")));
    return false;
}

bool deliverSheet(const std::string& file, const std::string& pdf) {
    if (file == "-") {
        errno = 0;
        std::fwrite(pdf.data(), 1, pdf.size(), stdout);
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
            tell("cannot write standard output: " + std::generic_category().message(errno));
            return false;
        }
        return true;
    }
    try {
        output::writeOutputFile(file, pdf);
        return true;
    } catch (const output::OutputError& error) {
        tell(error.what());
        return false;
    }
}

} // namespace

bool exportDiagrams(const DiagramTargets& targets, const parktable::ParkTable& table,
                    std::string_view title) {
    if (targets.folder && !makeFolder(*targets.folder))
        return false;
    std::string loadError;
    const DiagramEntry draw = loadDiagramModule(loadError);
    if (draw == nullptr) {
        tell(loadError);
        return false;
    }
    DiagramRequest request{&table, title, {}, targets.sheetFile.has_value()};
    bool written = true;
    const fs::path folder(targets.folder.value_or(""));
    if (targets.folder) {
        request.deliverSvg = [&](int row, std::string_view svg) {
            const int number = row - parktable::kFirstParkRow + 1;
            written = writeDiagram(folder / diagramFileName(number, table.parkCount(),
                                                            table.cell(row, parktable::col::parkName)),
                                   svg);
            return written;
        };
    }
    DiagramResult result;
    draw(request, result);
    if (!result.error.empty()) {
        tell("cannot draw the diagrams: " + result.error);
        return false;
    }
    if (targets.sheetFile && written)
        written = deliverSheet(*targets.sheetFile, result.sheet);
    return written;
}

} // namespace vendrix::exporter
