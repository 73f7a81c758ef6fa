#include "exportrun.h"

#include "diagramexport.h"
#include "jsonoutput.h"
#include "native/nativefile.h"
#include "output/csvexport.h"
#include "output/outputfile.h"
#include "output/outputname.h"
#include "output/printedreport.h"
#include "output/textreport.h"
#include "pageoutput.h"
#include "parktable/parktablebuilder.h"
#include "printmoduleloader.h"
#include "season/seasonfiles.h"
#include "season/seasonscan.h"
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

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

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
    if (file == kStandardOutput) {
        errno = 0;
        std::fwrite(bytes.data(), 1, bytes.size(), stdout);
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
            tell("cannot write standard output: " + std::generic_category().message(errno));
            return false;
        }
        return true;
    }
    try {
        output::writeOutputFile(native::pathFromText(file), bytes);
        return true;
    } catch (const output::OutputError& error) {
        tell(error.what());
        return false;
    }
}

std::optional<SeasonTable> loadSeason(const std::string& folderName) {
    const fs::path folder = native::pathFromText(folderName);
    std::error_code ec;
    const fs::file_status status = fs::status(folder, ec);
    if (ec && ec != std::errc::no_such_file_or_directory) {
        tell("cannot read " + folderName + ": " + ec.message());
        return std::nullopt;
    }
    if (!fs::is_directory(status)) {
        tell(folderName + (fs::exists(status) ? " is not a folder" : ": no such folder"));
        return std::nullopt;
    }
    // A folder that cannot be listed would pass for one without season files.
    fs::directory_iterator listing(folder, ec);
    if (ec) {
        tell("cannot read the folder " + folderName + ": " + ec.message());
        return std::nullopt;
    }
    const season::SeasonScan scan = season::scanSeasonFolder(folder, season::listSeasonFileNames(folder));
    if (!scan.isComplete()) {
        std::string message =
            folderName + " is not a complete season folder: missing " + joined(scan.missingFiles());
        for (const std::string& problem : scan.problems)
            message += "\n  " + problem;
        tell(message);
        return std::nullopt;
    }
    parktable::ParkTableBuild build = parktable::buildParkTable(scan.parkFile, scan.teamByPark);
    if (!build.built()) {
        tell(folderName + ": " + trimmed(build.message));
        return std::nullopt;
    }
    std::vector<season::SeasonWarning> warnings = parktable::seasonWarnings(scan, build);
    for (const season::SeasonWarning& warning : warnings)
        tell(folderName + ": warning: " + warning.text);
    return SeasonTable{std::move(*build.table), scan.caption(), scan.leagueName, scan.seasonText,
                       std::move(warnings)};
}

namespace {

bool printReport(const ExportOptions& options, const SeasonTable& season) {
    std::string loadError;
    const PrintEntry print = loadPrintModule(loadError);
    if (print == nullptr) {
        tell(loadError);
        return false;
    }
    const output::PrintedReport report = output::layoutPrintedReport(season.table, season.title);
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
    const std::optional<SeasonTable> season = loadSeason(options.seasonFolder);
    if (!season)
        return kExitFailed;
    if (options.strict && !season->warnings.empty()) {
        tell("--strict: nothing written");
        return kExitWarnings;
    }

    bool done = true;
    const std::optional<std::string> csvFile =
        options.asksForOutput() ? options.csvFile : std::optional<std::string>(kStandardOutput);
    if (csvFile)
        done = deliver(*csvFile, inEncoding(output::csvText(season->table), options.encoding)) && done;
    if (options.textFile)
        done = deliver(*options.textFile,
                       inEncoding(output::textReport(season->table, season->title), options.encoding)) &&
               done;
    if (options.jsonFile)
        done = deliver(*options.jsonFile, seasonJsonText(*season, options.filter)) && done;
    if (options.htmlFile)
        done = deliver(*options.htmlFile, seasonPageText(*season)) && done;
    if (options.pdfFile || options.print)
        done = printReport(options, *season) && done;
    if (options.diagramsFolder || options.diagramSheetFile) {
        const DiagramFormat format = options.diagramFormat == "png" ? DiagramFormat::Png : DiagramFormat::Svg;
        switch (exportDiagrams({options.diagramsFolder, format, options.diagramSheetFile}, season->table,
                               season->title)) {
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
