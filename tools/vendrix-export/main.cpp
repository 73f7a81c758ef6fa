// vendrix-export: the park table of a season folder as CSV, text report, PDF or print, without the window.
#include "exportoptions.h"
#include "exportrun.h"
#include "platform/native/nativeprocess.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    using namespace vendrix::exporter;
    const std::vector<std::string> given = vendrix::native::startCommandLine(argc, argv);
    const std::vector<std::string_view> arguments(given.begin(), given.end());
    const auto parsed = parseExportOptions(arguments);
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        std::cerr << "vendrix-export: " << usage->message << "\n\n" << usageText();
        return kExitUsage;
    }
    const ExportOptions& options = std::get<ExportOptions>(parsed);
    switch (options.action) {
    case ExportOptions::Action::ShowHelp:
        std::cout << usageText();
        return kExitDone;
    case ExportOptions::Action::ShowVersion:
        std::cout << "vendrix-export " << VENDRIX_VERSION << '\n';
        return kExitDone;
    case ExportOptions::Action::Export:
        break;
    }
    return runExport(options);
}
