#include "exportoptions.h"

namespace vendrix::exporter {

namespace {

struct FileOption {
    std::string_view name;
    std::optional<std::string> ExportOptions::*file;
};

constexpr FileOption kFileOptions[] = {
    {"--csv", &ExportOptions::csvFile},
    {"--text", &ExportOptions::textFile},
    {"--pdf", &ExportOptions::pdfFile},
    {"--json", &ExportOptions::jsonFile},
    {"--html", &ExportOptions::htmlFile},
    {"--diagrams", &ExportOptions::diagramsFolder},
    {"--diagram-sheet", &ExportOptions::diagramSheetFile},
    {"--format", &ExportOptions::diagramFormat},
};

const FileOption* findFileOption(std::string_view name) {
    for (const FileOption& option : kFileOptions)
        if (option.name == name)
            return &option;
    return nullptr;
}

// "--encoding NAME" or "--encoding=NAME" at arguments[i]; moves i past the name.
std::optional<UsageError> takeEncoding(const std::vector<std::string_view>& arguments, std::size_t& i,
                                       ExportOptions& options) {
    const std::string_view argument = arguments[i];
    const std::size_t equals = argument.find('=');
    std::string_view name;
    if (equals != std::string_view::npos)
        name = argument.substr(equals + 1);
    else if (i + 1 < arguments.size())
        name = arguments[++i];
    std::string lower(name);
    for (char& c : lower)
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower == "utf-8" || lower == "utf8")
        options.encoding = TextEncoding::Utf8;
    else if (lower == "windows-1252" || lower == "cp1252")
        options.encoding = TextEncoding::Windows1252;
    else
        return UsageError{"--encoding needs utf-8 or windows-1252" +
                          (name.empty() ? std::string() : ", not " + std::string(name))};
    return std::nullopt;
}

// The text after "--NAME=" or the next argument; moves i past it. Nothing when there is none.
std::optional<std::string_view> takeValue(const std::vector<std::string_view>& arguments, std::size_t& i) {
    const std::string_view argument = arguments[i];
    const std::size_t equals = argument.find('=');
    if (equals != std::string_view::npos)
        return argument.substr(equals + 1);
    if (i + 1 < arguments.size())
        return arguments[++i];
    return std::nullopt;
}

} // namespace

std::variant<ExportOptions, UsageError> parseExportOptions(const std::vector<std::string_view>& arguments) {
    ExportOptions options;
    std::vector<std::string> conditions;
    bool onlyFoldersFollow = false;
    std::vector<std::string_view> folders;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (onlyFoldersFollow || argument == kStandardOutput || !argument.starts_with("-")) {
            folders.push_back(argument);
            continue;
        }
        if (argument == "--") {
            onlyFoldersFollow = true;
            continue;
        }
        if (argument == "--help" || argument == "-h") {
            options.action = ExportOptions::Action::ShowHelp;
            return options;
        }
        if (argument == "--version") {
            options.action = ExportOptions::Action::ShowVersion;
            return options;
        }
        if (argument == "--print") {
            if (options.print)
                return UsageError{"--print given twice"};
            options.print = true;
            continue;
        }
        if (argument == "--strict") {
            options.strict = true;
            continue;
        }
        // Both "--csv FILE" and "--csv=FILE".
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        if (name == "--encoding") {
            if (const auto error = takeEncoding(arguments, i, options))
                return *error;
            continue;
        }
        if (name == "--where") {
            const std::optional<std::string_view> condition = takeValue(arguments, i);
            if (!condition || condition->empty())
                return UsageError{"--where needs a CONDITION such as surface=Grass"};
            conditions.emplace_back(*condition);
            continue;
        }
        const FileOption* option = findFileOption(name);
        if (option == nullptr)
            return UsageError{"unknown option " + std::string(argument)};
        std::string_view file;
        if (equals != std::string_view::npos) {
            file = argument.substr(equals + 1);
        } else if (i + 1 < arguments.size()) {
            file = arguments[++i];
        } else {
            return UsageError{std::string(name) + " needs a FILE"};
        }
        if (file.empty())
            return UsageError{std::string(name) + " needs a FILE"};
        std::optional<std::string>& target = options.*(option->file);
        if (target)
            return UsageError{std::string(name) + " given twice"};
        target = std::string(file);
    }
    if (folders.empty())
        return UsageError{"no SEASON_FOLDER given"};
    if (folders.size() > 1)
        return UsageError{"one SEASON_FOLDER only, got " + std::string(folders[1]) + " too"};
    options.seasonFolder = std::string(folders.front());

    if (!conditions.empty()) {
        if (!options.jsonFile)
            return UsageError{"--where chooses the parks of the JSON: give --json FILE as well"};
        auto filter = parkjson::ParkFilter::parse(conditions);
        if (const auto* message = std::get_if<std::string>(&filter))
            return UsageError{"--where: " + *message};
        options.filter = std::move(std::get<parkjson::ParkFilter>(filter));
    }
    if (options.diagramsFolder == kStandardOutput)
        return UsageError{"--diagrams needs a folder, not standard output"};
    if (options.diagramFormat) {
        if (!options.diagramsFolder)
            return UsageError{"--format is the format of --diagrams, which is not given"};
        if (*options.diagramFormat != "svg" && *options.diagramFormat != "png")
            return UsageError{"--format needs svg or png, not " + *options.diagramFormat};
    }
    int toStandardOutput = 0;
    for (const FileOption& option : kFileOptions)
        if (option.file != &ExportOptions::diagramFormat && options.*(option.file) == kStandardOutput)
            ++toStandardOutput;
    if (toStandardOutput > 1)
        return UsageError{"only one output can go to standard output (-)"};
    return options;
}

std::string usageText() {
    return "Usage: vendrix-export SEASON_FOLDER [--csv FILE] [--text FILE] [--pdf FILE] [--print]\n"
           "                     [--json FILE [--where CONDITION]...] [--html FILE] [--encoding utf-8]\n"
           "                     [--diagrams FOLDER [--format svg|png]] [--diagram-sheet FILE] [--strict]\n"
           "       vendrix-export compare OLD_SEASON NEW_SEASON [--json FILE] [--text FILE]\n"
           "                      [--html FILE] [--strict]\n"
           "\n"
           "Writes the park table of a season folder (dmbpark.dat, dmbteam.dat, dmborg.dat)\n"
           "without opening the window.\n"
           "\n"
           "  --csv FILE    the table as a CSV file\n"
           "  --text FILE   the fixed-width text report\n"
           "  --pdf FILE    the printed report as a PDF file, landscape\n"
           "  --print       the printed report on the default printer\n"
           "  --diagrams FOLDER      each park's diagram as \"NNN Park Name.svg\" in FOLDER\n"
           "  --format svg|png       the diagrams' format: SVG (the default) or PNG\n"
           "  --diagram-sheet FILE   every park's diagram, twelve to a landscape PDF page\n"
           "  --json FILE   the season as UTF-8 JSON (the schema is in the README)\n"
           "  --where CONDITION\n"
           "                only the parks that meet it in the JSON, e.g. --where surface=Grass\n"
           "                --where \"factors_lhb.hr>=105\" (KEY=VALUE with the JSON's keys; also\n"
           "                !=, <, <=, >, >=; words without regard to case; every --where must hold)\n"
           "  --html FILE   the season as one self-contained web page (table, diagrams)\n"
           "  --encoding utf-8\n"
           "                the CSV and the text report in UTF-8 instead of the season files'\n"
           "                Windows-1252 (the default, byte for byte the window's files)\n"
           "  --strict      a warning about the season (a park file cut inside a record, a file\n"
           "                with no record in use) fails the run: exit status 3, nothing written\n"
           "  --help        show this text\n"
           "  --version     show the version\n"
           "\n"
           "FILE - is standard output. With no output option the CSV goes to standard output.\n"
           "An existing FILE is replaced only once the new one is complete.\n"
           "compare: what changed from OLD_SEASON to NEW_SEASON, as text on standard output\n"
           "(or --text FILE) and as JSON (--json FILE); `vendrix-export compare --help` says more.\n"
           "\n"
           "Exit status: 0 done; 1 the folder is not a complete season, has no usable park file,\n"
           "or an output failed; 2 the command line is wrong; 3 --strict and a warning; 130 stopped\n"
           "by Ctrl+C (the diagrams written so far are whole, none is left half-written).\n"
           "Warnings about the season go to standard error and leave the status at 0.\n";
}

} // namespace vendrix::exporter
