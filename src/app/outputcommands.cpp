#include "outputcommands.h"

#include "gui/bridge/nativepath.h"
#include "gui/dialogs/savefilechooser.h"
#include "gui/dialogs/waitcursor.h"
#include "gui/grid/parkgrid.h"
#include "output/csvexport.h"
#include "output/outputfile.h"
#include "output/outputname.h"
#include "output/printedreport.h"
#include "output/textreport.h"

namespace vendrix::app {

OutputCommands::OutputCommands(Form1Services services, const gui::ParkGrid& grid,
                               const std::string& titleBytes)
    : services_(services), grid_(grid), titleBytes_(titleBytes) {}

bool OutputCommands::hasTableForOutput() {
    if (grid_.table())
        return true;
    services_.messages.show(QString::fromLatin1(kNoTableMessage));
    return false;
}

std::filesystem::path
OutputCommands::chooseOutputFile(const QString& filter,
                                 const std::function<bool(const std::filesystem::path&)>& isRefused) {
    const std::filesystem::path path = gui::SaveFileChooser(services_.fileDialog, services_.messages)
                                           .choose(gui::FileFilter::parse(filter), isRefused);
    if (!path.empty() && isRefused(path)) {
        services_.messages.show(gui::fromMessageText(output::kRefusedNameMessage));
        return {};
    }
    return path;
}

void OutputCommands::runShowingFailure(const std::function<void()>& work) {
    std::optional<std::string> failure;
    {
        // The arrow is back before any message shows: the guard ends with this scope.
        const gui::WaitCursor hourglass;
        try {
            work();
        } catch (const output::OutputError& error) {
            failure = error.what();
        } catch (const gui::PrintError& error) {
            failure = error.what();
        }
    }
    // A report that could not be written is said so: a silent end would pass for success.
    if (failure)
        services_.messages.show(gui::fromMessageText(*failure));
}

void OutputCommands::writeCsvFile() {
    if (!hasTableForOutput())
        return;
    // Writing the table over the folder memory would lose the remembered folder.
    const std::filesystem::path path =
        chooseOutputFile(QStringLiteral("CSV (*.csv)|*.csv"), [](const std::filesystem::path& chosen) {
            return output::isFolderMemoryFile(chosen);
        });
    if (!path.empty())
        runShowingFailure([&] { output::writeOutputFile(path, output::csvText(*grid_.table())); });
}

void OutputCommands::writeTextFile() {
    if (!hasTableForOutput())
        return;
    const std::filesystem::path path =
        chooseOutputFile(QStringLiteral("Text (*.txt)|*.txt"), [](const std::filesystem::path& chosen) {
            return output::isRefusedReportName(chosen.string());
        });
    if (!path.empty())
        runShowingFailure(
            [&] { output::writeOutputFile(path, output::textReport(*grid_.table(), titleBytes_)); });
}

void OutputCommands::printInfo() {
    if (!hasTableForOutput())
        return;
    runShowingFailure(
        [&] { services_.printer.print(output::layoutPrintedReport(*grid_.table(), titleBytes_)); });
}

} // namespace vendrix::app
