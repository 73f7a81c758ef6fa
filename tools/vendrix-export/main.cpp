// vendrix-export: the park table of a season folder as CSV, text report, JSON, PDF or print, without the
// window; `vendrix-export compare` tells what changed between two seasons.
#include "comparecommand.h"
#include "exportoptions.h"
#include "exportrun.h"
#include "native/nativeprocess.h"

#include <iostream>
#include <string_view>
#include <vector>

namespace {

int compareMain(const std::vector<std::string_view>& arguments) {
    using namespace vendrix::exporter;
    const auto parsed = parseCompareOptions(arguments);
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        std::cerr << "vendrix-export compare: " << usage->message << "\n\n" << compareUsageText();
        return kExitUsage;
    }
    const CompareOptions& options = std::get<CompareOptions>(parsed);
    if (options.showHelp) {
        std::cout << compareUsageText();
        return kExitDone;
    }
    return runCompare(options);
}

} // namespace

int main(int argc, char** argv) {
    using namespace vendrix::exporter;
    const std::vector<std::string> given = vendrix::native::startCommandLine(argc, argv);
    const std::vector<std::string_view> arguments(given.begin(), given.end());
    if (!arguments.empty() && arguments.front() == kCompareCommand)
        return compareMain({arguments.begin() + 1, arguments.end()});
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
