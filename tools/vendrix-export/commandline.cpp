#include "commandline.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <deque>
#include <optional>

namespace vendrix::exporter {

namespace {

constexpr std::string_view kProgram = "vendrix-export";

// An option that takes a value, each time it is given; given twice where once is allowed is an error
// of ours, so that the message names the option.
struct ValueOption {
    std::string name;
    std::vector<std::string> values;
    CLI::Option* option = nullptr;
};

// The options of one command, declared on its CLI11 app.
class Declared {
public:
    explicit Declared(CLI::App& app) : app_(app) {
        // Help is ours: each command's usage text says what its options mean.
        app_.set_help_flag();
        app_.allow_extras();
        app_.add_flag("-h,--help", help);
        app_.add_option("folders", folders)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    }

    std::vector<std::string>& value(const std::string& name, const std::string& typeName) {
        ValueOption& declared = values_.emplace_back(ValueOption{name, {}, nullptr});
        declared.option = app_.add_option(name, declared.values)
                              ->type_name(typeName)
                              ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
                              ->allow_extra_args(false);
        return declared.values;
    }
    CLI::Option* flag(const std::string& name) { return app_.add_flag(name); }

    // The first fault that CLI11 leaves to us: an option it does not know, or one given twice.
    std::optional<std::string> fault(const std::vector<std::string>& repeatable) const {
        for (const std::string& extra : app_.remaining())
            if (extra != "--")
                return "unknown option " + extra;
        for (const ValueOption& declared : values_)
            if (declared.values.size() > 1 &&
                std::find(repeatable.begin(), repeatable.end(), declared.name) == repeatable.end())
                return declared.name + " given twice";
        for (const ValueOption& declared : values_)
            for (const std::string& value : declared.values)
                if (value.empty())
                    return declared.name + " needs a " + declared.option->get_type_name();
        return std::nullopt;
    }

    bool help = false;
    std::vector<std::string> folders;

private:
    CLI::App& app_;
    std::deque<ValueOption> values_; // a deque keeps the addresses CLI11 writes to
};

std::optional<std::string> single(const std::vector<std::string>& values) {
    return values.empty() ? std::nullopt : std::optional<std::string>(values.front());
}

// The carry command's options, declared on its app.
class CarryValues {
public:
    explicit CarryValues(Declared& declared)
        : speed_(declared.value("--speed", "MPH")), angle_(declared.value("--angle", "DEG")),
          direction_(declared.value("--direction", "DEG")), backspin_(declared.value("--backspin", "RPM")),
          sidespin_(declared.value("--sidespin", "RPM")), batter_(declared.value("--batter", "L|R")),
          temperature_(declared.value("--temperature", "F")), altitude_(declared.value("--altitude", "FT")),
          humidity_(declared.value("--humidity", "PCT")), wind_(declared.value("--wind", "MPH")),
          windFrom_(declared.value("--wind-from", "DEG")),
          conditions_(declared.value("--conditions", "NAME")), json_(declared.value("--json", "FILE")),
          csv_(declared.value("--csv", "FILE")), balls_(declared.value("--balls", "FILE")) {}

    CarryArguments arguments(const std::vector<std::string>& folders) const {
        return {
            folders,           single(speed_),    single(angle_),       single(direction_), single(backspin_),
            single(sidespin_), single(batter_),   single(temperature_), single(altitude_),  single(humidity_),
            single(wind_),     single(windFrom_), single(conditions_),  single(balls_),     single(json_),
            single(csv_)};
    }

private:
    const std::vector<std::string>& speed_;
    const std::vector<std::string>& angle_;
    const std::vector<std::string>& direction_;
    const std::vector<std::string>& backspin_;
    const std::vector<std::string>& sidespin_;
    const std::vector<std::string>& batter_;
    const std::vector<std::string>& temperature_;
    const std::vector<std::string>& altitude_;
    const std::vector<std::string>& humidity_;
    const std::vector<std::string>& wind_;
    const std::vector<std::string>& windFrom_;
    const std::vector<std::string>& conditions_;
    const std::vector<std::string>& json_;
    const std::vector<std::string>& csv_;
    const std::vector<std::string>& balls_;
};

std::optional<std::string> exportFault(ExportOptions& options, const std::vector<std::string>& folders,
                                       const std::vector<std::string>& conditions,
                                       const std::vector<std::string>& encodings) {
    if (folders.empty())
        return "no SEASON_FOLDER given";
    if (folders.size() > 1)
        return "one SEASON_FOLDER only, got " + folders[1] + " too";
    options.seasonFolder = folders.front();
    if (!encodings.empty()) {
        std::string lower = encodings.back();
        for (char& c : lower)
            c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower == "utf-8" || lower == "utf8")
            options.encoding = TextEncoding::Utf8;
        else if (lower == "windows-1252" || lower == "cp1252")
            options.encoding = TextEncoding::Windows1252;
        else
            return "--encoding needs utf-8 or windows-1252, not " + encodings.back();
    }
    if (!conditions.empty()) {
        if (!options.jsonFile)
            return "--where chooses the parks of the JSON: give --json FILE as well";
        auto filter = parkquery::ParkFilter::parse(conditions);
        if (const auto* message = std::get_if<std::string>(&filter))
            return "--where: " + *message;
        options.filter = std::move(std::get<parkquery::ParkFilter>(filter));
    }
    if (options.diagramsFolder == kStandardOutput)
        return "--diagrams needs a folder, not standard output";
    if (options.diagramFormat) {
        if (!options.diagramsFolder)
            return "--format is the format of --diagrams, which is not given";
        if (*options.diagramFormat != "svg" && *options.diagramFormat != "png")
            return "--format needs svg or png, not " + *options.diagramFormat;
    }
    int toStandardOutput = 0;
    for (const auto* file : {&options.csvFile, &options.textFile, &options.pdfFile, &options.jsonFile,
                             &options.htmlFile, &options.diagramSheetFile})
        toStandardOutput += *file == kStandardOutput ? 1 : 0;
    if (toStandardOutput > 1)
        return "only one output can go to standard output (-)";
    return std::nullopt;
}

std::optional<std::string> compareFault(CompareOptions& options, const std::vector<std::string>& folders) {
    if (folders.size() != 2)
        return "compare needs two season folders, OLD_SEASON and NEW_SEASON; got " +
               std::to_string(folders.size());
    options.oldFolder = folders[0];
    options.newFolder = folders[1];
    if ((options.jsonFile == kStandardOutput) + (options.textFile == kStandardOutput) +
            (options.htmlFile == kStandardOutput) >
        1)
        return "only one output can go to standard output (-)";
    return std::nullopt;
}

} // namespace

std::variant<Command, UsageError> parseCommandLine(const std::vector<std::string>& arguments) {
    CLI::App app("", std::string(kProgram));
    Declared main(app);
    ExportOptions exportOptions;
    std::vector<std::string>& csv = main.value("--csv", "FILE");
    std::vector<std::string>& text = main.value("--text", "FILE");
    std::vector<std::string>& pdf = main.value("--pdf", "FILE");
    std::vector<std::string>& json = main.value("--json", "FILE");
    std::vector<std::string>& html = main.value("--html", "FILE");
    std::vector<std::string>& diagrams = main.value("--diagrams", "FOLDER");
    std::vector<std::string>& format = main.value("--format", "FORMAT");
    std::vector<std::string>& sheet = main.value("--diagram-sheet", "FILE");
    std::vector<std::string>& where = main.value("--where", "CONDITION");
    std::vector<std::string>& encoding = main.value("--encoding", "ENCODING");
    CLI::Option* print = main.flag("--print");
    CLI::Option* strict = main.flag("--strict");
    CLI::Option* version = main.flag("--version");

    CLI::App* compare = app.add_subcommand("compare");
    Declared compared(*compare);
    std::vector<std::string>& compareJson = compared.value("--json", "FILE");
    std::vector<std::string>& compareText = compared.value("--text", "FILE");
    std::vector<std::string>& compareHtml = compared.value("--html", "FILE");
    CLI::Option* compareStrict = compared.flag("--strict");

    CLI::App* carry = app.add_subcommand("carry");
    Declared carried(*carry);
    CarryValues carryValues(carried);

    const auto mainError = [](std::string message) {
        return UsageError{std::string(kProgram), std::move(message), usageText()};
    };
    const auto compareError = [](std::string message) {
        return UsageError{std::string(kProgram) + " compare", std::move(message), compareUsageText()};
    };
    const auto carryError = [](std::string message) {
        return UsageError{std::string(kProgram) + " carry", std::move(message), carryUsageText()};
    };

    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& error) {
        if (carry->parsed())
            return carryError(error.what());
        return compare->parsed() ? compareError(error.what()) : mainError(error.what());
    }

    Command command;
    if (carry->parsed()) {
        if (carried.help) {
            command.kind = Command::Kind::ShowCarryHelp;
            return command;
        }
        if (const auto fault = carried.fault({}))
            return carryError(*fault);
        if (const auto fault = carryFault(carryValues.arguments(carried.folders), command.carryOptions))
            return carryError(*fault);
        command.kind = Command::Kind::Carry;
        return command;
    }
    if (compare->parsed()) {
        if (compared.help) {
            command.kind = Command::Kind::ShowCompareHelp;
            return command;
        }
        if (const auto fault = compared.fault({}))
            return compareError(*fault);
        CompareOptions& options = command.compareOptions;
        options.jsonFile = single(compareJson);
        options.textFile = single(compareText);
        options.htmlFile = single(compareHtml);
        options.strict = compareStrict->count() > 0;
        if (const auto fault = compareFault(options, compared.folders))
            return compareError(*fault);
        command.kind = Command::Kind::Compare;
        return command;
    }
    if (main.help) {
        command.kind = Command::Kind::ShowHelp;
        return command;
    }
    if (version->count() > 0) {
        command.kind = Command::Kind::ShowVersion;
        return command;
    }
    if (const auto fault = main.fault({"--where", "--encoding"}))
        return mainError(*fault);
    if (print->count() > 1)
        return mainError("--print given twice");
    ExportOptions& options = command.exportOptions;
    options.csvFile = single(csv);
    options.textFile = single(text);
    options.pdfFile = single(pdf);
    options.jsonFile = single(json);
    options.htmlFile = single(html);
    options.diagramsFolder = single(diagrams);
    options.diagramFormat = single(format);
    options.diagramSheetFile = single(sheet);
    options.print = print->count() > 0;
    options.strict = strict->count() > 0;
    if (const auto fault = exportFault(options, main.folders, where, encoding))
        return mainError(*fault);
    command.kind = Command::Kind::Export;
    return command;
}

} // namespace vendrix::exporter
