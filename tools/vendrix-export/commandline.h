#pragma once

#include "carry/carryoptions.h"
#include "comparecommand.h"
#include "exportoptions.h"

#include <string>
#include <variant>
#include <vector>

namespace vendrix::exporter {

// What the command line asks the exporter to do.
struct Command {
    enum class Kind { Export, Compare, Carry, ShowHelp, ShowCompareHelp, ShowCarryHelp, ShowVersion };

    Kind kind = Kind::Export;
    ExportOptions exportOptions;   // for Export
    CompareOptions compareOptions; // for Compare
    CarryOptions carryOptions;     // for Carry
};

// A command line that cannot be followed: what is wrong, and the usage text of the (sub)command it
// was meant for, to show after it on standard error.
struct UsageError {
    std::string command; // "vendrix-export", "vendrix-export compare" or "vendrix-export carry"
    std::string message;
    std::string usage;
};

// The exporter's command line (the arguments after the program's name, UTF-8 on Windows): its own
// options, or a subcommand ("compare", "carry") with its options. Options take their value as "--csv FILE" or
// "--csv=FILE"; "--" ends the options.
std::variant<Command, UsageError> parseCommandLine(const std::vector<std::string>& arguments);

} // namespace vendrix::exporter
