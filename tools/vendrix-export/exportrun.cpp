#include "exportrun.h"

#include "diagramexport.h"
#include "jsonoutput.h"
#include "model/seasonloader.h"
#include "native/nativefile.h"
#include "output/csvexport.h"
#include "output/outputfile.h"
#include "output/outputname.h"
#include "output/printedreport.h"
#include "output/textreport.h"
#include "parkpage/parkpage.h"
#include "parktable/parktable.h"
#include "printmoduleloader.h"
#include "season/windows1252.h"
#include "seasonload.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <system_error>

namespace vendrix::exporter {

namespace fs = std::filesystem;

void tell(const std::string& message) {
    std::cerr << "vendrix-export: " << message << '\n';
}

namespace {

// The names the window would refuse as well: the folder-memory file for CSV (and PDF), any name
// holding "parkdir.txt" for the text report.
bool namesAreAccepted(const ExportOptions& options) {
    bool accepted = true;
    auto refuse = [&](const std::string& file) {
        tell(file + ": " + std::string(output::kRefusedNameMessage));
        accepted = false;
    };
    for (const auto* file : {&options.csvFile, &options.pdfFile, &options.jsonFile, &options.htmlFile,
                             &options.diagramSheetFile})
        if (*file && **file != kStandardOutput && output::isFolderMemoryFile(native::pathFromText(**file)))
            refuse(**file);
    if (options.textFile && *options.textFile != kStandardOutput &&
        output::isRefusedReportName(*options.textFile))
        refuse(*options.textFile);
    return accepted;
}

} // namespace

bool deliver(const std::string& file, std::string_view bytes) {
    bool given = false;
    return deliver(file, [&](std::string& piece) {
        // The bytes as one piece: appended once, then no more.
        if (!given)
            piece.append(bytes);
        given = true;
        return false;
    });
}

bool deliver(const std::string& file, const output::OutputPieces& nextPiece) {
    if (file == kStandardOutput) {
        std::string piece;
        errno = 0;
        for (bool more = true; more;) {
            piece.clear();
            more = nextPiece(piece);
            std::fwrite(piece.data(), 1, piece.size(), stdout);
        }
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
            tell("cannot write standard output: " + std::generic_category().message(errno));
            return false;
        }
        return true;
    }
    try {
        output::writeOutputFile(native::pathFromText(file), nextPiece);
        return true;
    } catch (const output::OutputError& error) {
        tell(error.what());
        return false;
    }
}

std::optional<model::Season> loadSeason(const std::string& folderName) {
    auto loaded = model::loadSeason(native::pathFromText(folderName), folderName);
    if (const auto* failure = std::get_if<model::LoadFailure>(&loaded)) {
        tell(failure->message);
        return std::nullopt;
    }
    model::Season& season = std::get<model::Season>(loaded);
    for (const season::SeasonWarning& warning : season.warnings())
        tell(folderName + ": warning: " + warning.text);
    return std::move(season);
}

namespace {

// The CSV a block of lines at a time: a season of 32,767 parks is written as it is made rather than
// standing whole in memory first.
output::OutputPieces csvPieces(const parktable::ParkTable& table, TextEncoding encoding) {
    constexpr std::size_t kPieceBytes = 256 * 1024;
    return [&table, encoding, row = 0](std::string& piece) mutable {
        row = output::appendCsvLines(table, row, kPieceBytes, piece);
        if (encoding == TextEncoding::Utf8)
            piece = season::windows1252::toUtf8(piece);
        return row < table.rowCount();
    };
}

bool printReport(const ExportOptions& options, const model::Season& season) {
    std::string loadError;
    const PrintEntry print = loadPrintModule(loadError);
    if (print == nullptr) {
        tell(loadError);
        return false;
    }
    const output::PrintedReport report =
        output::layoutPrintedReport(parktable::ParkTable(season), season.caption());
    const PrintRequest request{&report, options.pdfFile.has_value(), options.print};
    PrintResult result;
    print(request, result);

    bool done = true;
    if (options.pdfFile) {
        if (!result.pdfError.empty()) {
            tell("cannot write " + *options.pdfFile + ": " + result.pdfError);
            done = false;
        } else {
            done = deliver(*options.pdfFile, result.pdf) && done;
        }
    }
    if (options.print && !result.printError.empty()) {
        tell(result.printError);
        done = false;
    }
    return done;
}

} // namespace

int runExport(const ExportOptions& options) {
    if (!namesAreAccepted(options))
        return kExitFailed;
    const std::optional<model::Season> season = loadSeason(options.seasonFolder);
    if (!season)
        return kExitFailed;
    if (options.strict && !season->warnings().empty()) {
        tell("--strict: nothing written");
        return kExitWarnings;
    }

    bool done = true;
    const parktable::ParkTable table(*season);
    const std::optional<std::string> csvFile =
        options.asksForOutput() ? options.csvFile : std::optional<std::string>(kStandardOutput);
    if (csvFile)
        done = deliver(*csvFile, csvPieces(table, options.encoding)) && done;
    if (options.textFile)
        done = deliver(*options.textFile,
                       inEncoding(output::textReport(table, season->caption()), options.encoding)) &&
               done;
    if (options.jsonFile)
        done = deliver(*options.jsonFile, seasonJsonText(*season, options.filter)) && done;
    if (options.htmlFile)
        done = deliver(*options.htmlFile, parkpage::seasonPage(*season)) && done;
    if (options.pdfFile || options.print)
        done = printReport(options, *season) && done;
    if (options.diagramsFolder || options.diagramSheetFile) {
        const DiagramFormat format = options.diagramFormat == "png" ? DiagramFormat::Png : DiagramFormat::Svg;
        switch (exportDiagrams({options.diagramsFolder, format, options.diagramSheetFile}, *season)) {
        case DiagramOutcome::Written:
            break;
        case DiagramOutcome::Failed:
            done = false;
            break;
        case DiagramOutcome::Interrupted:
            return kExitInterrupted;
        }
    }
    return done ? kExitDone : kExitFailed;
}

} // namespace vendrix::exporter
