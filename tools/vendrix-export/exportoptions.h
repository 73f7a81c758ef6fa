#pragma once

#include "parkquery/parkfilter.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vendrix::exporter {

// "-" as a file name: standard output.
inline constexpr std::string_view kStandardOutput = "-";

// The character set of the CSV and the text report: the season files' own bytes, or UTF-8.
enum class TextEncoding { Windows1252, Utf8 };

// What the command line asks for.
struct ExportOptions {
    enum class Action { Export, ShowHelp, ShowVersion };

    Action action = Action::Export;
    std::string seasonFolder;
    std::optional<std::string> csvFile;
    std::optional<std::string> textFile;
    std::optional<std::string> pdfFile;
    std::optional<std::string> jsonFile;
    std::optional<std::string> htmlFile;         // the season as a self-contained web page
    std::optional<std::string> diagramsFolder;   // one diagram per park
    std::optional<std::string> diagramFormat;    // "svg" (when not given) or "png"
    std::optional<std::string> diagramSheetFile; // a PDF of every park's diagram
    TextEncoding encoding = TextEncoding::Windows1252;
    bool print = false;
    // Any warning about the season fails the run before anything is written.
    bool strict = false;
    // --where: the parks the JSON keeps.
    parkquery::ParkFilter filter;

    // With no output asked for, the CSV goes to standard output.
    bool asksForOutput() const {
        return csvFile || textFile || pdfFile || jsonFile || htmlFile || print || diagramsFolder ||
               diagramSheetFile;
    }
};

// The usage text of the exporter's own command: its options and exit statuses, as --help shows them.
std::string usageText();

} // namespace vendrix::exporter
