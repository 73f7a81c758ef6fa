#include "comparecommand.h"

#include "exportrun.h"
#include "output/outputname.h"
#include "parkpage/parkpage.h"
#include "seasondiff/comparisonjson.h"
#include "seasondiff/comparisontext.h"
#include "seasondiff/seasoncomparison.h"
#include "seasonload.h"

namespace vendrix::exporter {

std::string compareUsageText() {
    return "Usage: vendrix-export compare OLD_SEASON NEW_SEASON [--json FILE] [--text FILE]\n"
           "                      [--html FILE] [--strict]\n"
           "\n"
           "Compares the parks of two season folders, matched by park name (blanks at both ends\n"
           "and case ignored): team, fence distances and heights, factors and the eight words.\n"
           "\n"
           "  --text FILE   the changes as UTF-8 text, one line per changed value\n"
           "  --json FILE   the changes as UTF-8 JSON (the schema is in the README)\n"
           "  --strict      a warning about either season fails the run: exit status 3,\n"
           "                nothing written\n"
           "  --html FILE   NEW_SEASON as a web page with the changes marked\n"
           "\n"
           "FILE - is standard output. With no option the text goes to standard output.\n"
           "\n"
           "Exit status: 0 the comparison was written, whatever it found; 1 a folder is not a\n"
           "complete season, has no usable park file, or an output failed; 2 the command line\n"
           "is wrong; 3 --strict and a warning.\n";
}

int runCompare(const CompareOptions& options) {
    bool accepted = true;
    for (const auto* file : {&options.textFile, &options.jsonFile, &options.htmlFile})
        if (*file && **file != kStandardOutput && output::isFolderMemoryFile(**file)) {
            tell(**file + ": " + std::string(output::kRefusedNameMessage));
            accepted = false;
        }
    if (!accepted)
        return kExitFailed;
    // Both folders are read before anything is written, and both are named when both fail.
    const std::optional<model::Season> oldSeason = loadSeason(options.oldFolder);
    const std::optional<model::Season> newSeason = loadSeason(options.newFolder);
    if (!oldSeason || !newSeason)
        return kExitFailed;
    if (options.strict && (!oldSeason->warnings().empty() || !newSeason->warnings().empty())) {
        tell("--strict: nothing written");
        return kExitWarnings;
    }

    const seasondiff::SeasonComparison comparison = seasondiff::compareSeasons(*oldSeason, *newSeason);
    const seasondiff::ComparedSeason before{*oldSeason, options.oldFolder};
    const seasondiff::ComparedSeason after{*newSeason, options.newFolder};
    bool done = true;
    const std::optional<std::string> textFile = options.textFile || options.jsonFile || options.htmlFile
                                                    ? options.textFile
                                                    : std::optional<std::string>(kStandardOutput);
    if (textFile)
        done = deliver(*textFile, seasondiff::comparisonText(comparison, before, after)) && done;
    if (options.jsonFile)
        done = deliver(*options.jsonFile, seasondiff::comparisonJson(comparison, before, after)) && done;
    if (options.htmlFile)
        done = deliver(*options.htmlFile, parkpage::comparedPage(*oldSeason, *newSeason)) && done;
    return done ? kExitDone : kExitFailed;
}

} // namespace vendrix::exporter
