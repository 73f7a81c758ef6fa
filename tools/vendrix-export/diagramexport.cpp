#include "diagramexport.h"

#include "diagramfilename.h"
#include "interruption.h"
#include "native/nativefile.h"
#include "output/outputfile.h"
#include "parkdrawing/parkdrawing.h"
#include "parkdrawing/svgwriter.h"
#include "parkfilewriter.h"
#include "printmoduleloader.h"
#include "progressline.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <system_error>

namespace vendrix::exporter {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kDescription = "Park diagram drawn by Vendrix";

void tell(const std::string& message) {
    std::cerr << "vendrix-export: " << message << '\n';
}

bool makeFolder(const fs::path& folder) {
    // The cause is the making's own error: a later test of the folder would overwrite it.
    std::error_code made;
    fs::create_directories(folder, made);
    std::error_code ec;
    if (fs::is_directory(folder, ec))
        return true;
    tell("cannot make the folder " + folder.string() + ": " +
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
        output::writeOutputFile(native::pathFromText(file), pdf);
        return true;
    } catch (const output::OutputError& error) {
        tell(error.what());
        return false;
    }
}

ParkFileJob diagramJob(const model::Season& season, const fs::path& folder, std::string_view extension) {
    ParkFileJob job;
    job.count = season.parkCount();
    job.what = "diagrams";
    job.fileOf = [&season, folder, extension](int park) {
        return folder /
               diagramFileName(park + 1, season.parkCount(), season.parkAtRow(park + 1).name(), extension);
    };
    return job;
}

DiagramOutcome outcomeOf(ParkFileOutcome outcome) {
    switch (outcome) {
    case ParkFileOutcome::Written:
        return DiagramOutcome::Written;
    case ParkFileOutcome::Interrupted:
        return DiagramOutcome::Interrupted;
    case ParkFileOutcome::Failed:
        break;
    }
    return DiagramOutcome::Failed;
}

} // namespace

DiagramOutcome exportDiagrams(const DiagramTargets& targets, const model::Season& season) {
    const Interruption interruption;
    const fs::path folder = native::pathFromText(targets.folder.value_or(""));
    if (targets.folder && !makeFolder(folder))
        return DiagramOutcome::Failed;
    const bool pngs = targets.folder && targets.format == DiagramFormat::Png;
    if (targets.folder && !pngs) {
        const parkshape::SeasonShapes shapes = parkshape::SeasonShapes::of(season);
        ParkFileJob job = diagramJob(season, folder, ".svg");
        job.bytesOf = [&](int park) {
            const auto content = parkdrawing::DiagramContent::of(season.parkAtRow(park + 1), shapes);
            return parkdrawing::SvgWriter::write(parkdrawing::ParkDrawing::draw(content, {}),
                                                 {.title = content.name, .description = kDescription});
        };
        const DiagramOutcome outcome = outcomeOf(ParkFileWriter::run(job));
        if (outcome != DiagramOutcome::Written || !targets.sheetFile)
            return outcome;
    }
    if (!pngs && !targets.sheetFile)
        return DiagramOutcome::Written;

    std::string loadError;
    const DiagramEntry draw = loadDiagramModule(loadError);
    if (draw == nullptr) {
        tell(loadError);
        return DiagramOutcome::Failed;
    }
    std::optional<ProgressLine> sheetProgress;
    const std::string title = season.caption();
    DiagramRequest request{&season, title, {}, targets.sheetFile.has_value(), [&](int done, int parks) {
                               if (!sheetProgress)
                                   sheetProgress.emplace("parks on the diagram sheet", parks);
                               sheetProgress->show(done);
                               return !Interruption::requested();
                           }};
    ParkFileOutcome pngOutcome = ParkFileOutcome::Written;
    if (pngs) {
        request.writePngs = [&](const std::function<std::string(int)>& pngOf) {
            ParkFileJob job = diagramJob(season, folder, ".png");
            job.bytesOf = [&](int park) {
                return pngOf(park + 1);
            };
            pngOutcome = ParkFileWriter::run(job);
            return pngOutcome == ParkFileOutcome::Written;
        };
    }
    DiagramResult result;
    draw(request, result);
    sheetProgress.reset(); // the line cleared before any message
    if (!result.error.empty()) {
        tell("cannot draw the diagrams: " + result.error);
        return DiagramOutcome::Failed;
    }
    if (pngOutcome != ParkFileOutcome::Written)
        return outcomeOf(pngOutcome);
    if (targets.sheetFile) {
        if (Interruption::requested() || result.sheet.empty()) {
            tell("interrupted; the diagram sheet was not written");
            return DiagramOutcome::Interrupted;
        }
        return deliverSheet(*targets.sheetFile, result.sheet) ? DiagramOutcome::Written
                                                              : DiagramOutcome::Failed;
    }
    return DiagramOutcome::Written;
}

} // namespace vendrix::exporter
