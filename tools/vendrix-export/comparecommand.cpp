#include "comparecommand.h"

#include "exportrun.h"
#include "output/outputname.h"
#include "pageoutput.h"
#include "seasondiff/changenotes.h"
#include "seasondiff/comparisonjson.h"
#include "seasondiff/comparisontext.h"
#include "seasondiff/seasoncomparison.h"
#include "seasonload.h"

namespace vendrix::exporter {

std::variant<CompareOptions, UsageError> parseCompareOptions(const std::vector<std::string_view>& arguments) {
    CompareOptions options;
    std::vector<std::string_view> folders;
    bool onlyFoldersFollow = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (onlyFoldersFollow || !argument.starts_with("-")) {
            folders.push_back(argument);
            continue;
        }
        if (argument == "--") {
            onlyFoldersFollow = true;
            continue;
        }
        if (argument == "--help" || argument == "-h") {
            options.showHelp = true;
            return options;
        }
        if (argument == "--strict") {
            options.strict = true;
            continue;
        }
        // Both "--json FILE" and "--json=FILE".
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        std::optional<std::string>* target = name == "--json"   ? &options.jsonFile
                                             : name == "--text" ? &options.textFile
                                             : name == "--html" ? &options.htmlFile
                                                                : nullptr;
        if (target == nullptr)
            return UsageError{"unknown option " + std::string(argument)};
        std::string_view file;
        if (equals != std::string_view::npos)
            file = argument.substr(equals + 1);
        else if (i + 1 < arguments.size())
            file = arguments[++i];
        if (file.empty())
            return UsageError{std::string(name) + " needs a FILE"};
        if (*target)
            return UsageError{std::string(name) + " given twice"};
        *target = std::string(file);
    }
    if (folders.size() != 2)
        return UsageError{"compare needs two season folders, OLD_SEASON and NEW_SEASON; got " +
                          std::to_string(folders.size())};
    options.oldFolder = std::string(folders[0]);
    options.newFolder = std::string(folders[1]);
    if ((options.jsonFile == kStandardOutput) + (options.textFile == kStandardOutput) +
            (options.htmlFile == kStandardOutput) >
        1)
        return UsageError{"only one output can go to standard output (-)"};
    return options;
}

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
    const std::optional<SeasonTable> oldSeason = loadSeason(options.oldFolder);
    const std::optional<SeasonTable> newSeason = loadSeason(options.newFolder);
    if (!oldSeason || !newSeason)
        return kExitFailed;
    if (options.strict && (!oldSeason->warnings.empty() || !newSeason->warnings.empty())) {
        tell("--strict: nothing written");
        return kExitWarnings;
    }

    const seasondiff::SeasonComparison comparison =
        seasondiff::compareSeasons(oldSeason->table, newSeason->table);
    const seasondiff::ComparedSeason before{oldSeason->league, oldSeason->season, options.oldFolder,
                                            oldSeason->table};
    const seasondiff::ComparedSeason after{newSeason->league, newSeason->season, options.newFolder,
                                           newSeason->table};
    bool done = true;
    const std::optional<std::string> textFile = options.textFile || options.jsonFile || options.htmlFile
                                                    ? options.textFile
                                                    : std::optional<std::string>(kStandardOutput);
    if (textFile)
        done = deliver(*textFile, seasondiff::comparisonText(comparison, before, after)) && done;
    if (options.jsonFile)
        done = deliver(*options.jsonFile, seasondiff::comparisonJson(comparison, before, after)) && done;
    if (options.htmlFile) {
        const seasondiff::ChangeNotes notes = seasondiff::changeNotes(comparison, before);
        done =
            deliver(*options.htmlFile, comparedPageText(*oldSeason, *newSeason, comparison, notes)) && done;
    }
    return done ? kExitDone : kExitFailed;
}

} // namespace vendrix::exporter
