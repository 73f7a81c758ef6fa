// vendrix-export: the park table of a season folder as CSV, text report, JSON, PDF or print, without the
// window; `vendrix-export compare` tells what changed between two seasons; `vendrix-export carry` flies a
// fly ball against every park's fence.
#include "carry/carrycommand.h"
#include "commandline.h"
#include "exportrun.h"
#include "native/nativeprocess.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    using namespace vendrix::exporter;
    const std::vector<std::string> arguments = vendrix::native::startCommandLine(argc, argv);
    const auto parsed = parseCommandLine(arguments);
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        std::cerr << usage->command << ": " << usage->message << "\n\n" << usage->usage;
        return kExitUsage;
    }
    const Command& command = std::get<Command>(parsed);
    switch (command.kind) {
    case Command::Kind::ShowHelp:
        std::cout << usageText();
        return kExitDone;
    case Command::Kind::ShowCompareHelp:
        std::cout << compareUsageText();
        return kExitDone;
    case Command::Kind::ShowCarryHelp:
        std::cout << carryUsageText();
        return kExitDone;
    case Command::Kind::ShowVersion:
        std::cout << "vendrix-export " << VENDRIX_VERSION << '\n';
        return kExitDone;
    case Command::Kind::Compare:
        return runCompare(command.compareOptions);
    case Command::Kind::Carry:
        return runCarry(command.carryOptions);
    case Command::Kind::Export:
        break;
    }
    return runExport(command.exportOptions);
}
