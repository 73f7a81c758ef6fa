#include "outputcommands.h"

#include "gui/bridge/nativepath.h"
#include "gui/dialogs/savefilechooser.h"
#include "gui/dialogs/waitcursor.h"
#include "gui/grid/parkgrid.h"
#include "gui/print/printdialog.h"
#include "output/csvexport.h"
#include "output/outputfile.h"
#include "output/outputname.h"
#include "output/printedreport.h"
#include "output/textreport.h"
#include "parkpage/parkpage.h"
#include "season/windows1252.h"

#include <QDir>

namespace vendrix::app {

OutputCommands::OutputCommands(Form1Services services, const gui::ParkGrid& grid, TellDone tellDone,
                               std::function<const model::Season*()> comparedWith)
    : services_(services), grid_(grid), tellDone_(std::move(tellDone)),
      comparedWith_(std::move(comparedWith)) {}

bool OutputCommands::hasTableForOutput() {
    if (grid_.table())
        return true;
    services_.messages.show(QString::fromLatin1(kNoTableMessage));
    return false;
}

std::filesystem::path
OutputCommands::chooseOutputFile(const QString& filter,
                                 const std::function<bool(const std::filesystem::path&)>& isRefused,
                                 const std::filesystem::path& extension) {
    const std::filesystem::path path =
        gui::SaveFileChooser(services_.fileDialog, services_.messages)
            .choose(gui::FileFilter::parse(filter), isRefused, {{}, extension.string()});
    if (!path.empty() && isRefused(path)) {
        services_.messages.show(gui::fromMessageText(output::kRefusedNameMessage));
        return {};
    }
    return path;
}

void OutputCommands::noteWritten(const std::filesystem::path& path) {
    if (tellDone_)
        tellDone_(QStringLiteral("%1 parks written to").arg(grid_.table()->parkCount()),
                  QDir::toNativeSeparators(gui::fromNativePath(path)));
}

void OutputCommands::notePrinted(const gui::PrintJob& job) {
    if (!tellDone_)
        return;
    QString done =
        job.pages == 1 ? QStringLiteral("1 page sent to") : QStringLiteral("%1 pages sent to").arg(job.pages);
    if (job.copies > 1)
        done = QStringLiteral("%1 copies of %2").arg(job.copies).arg(done);
    tellDone_(done, job.printer);
}

void OutputCommands::writeFile(const QString& kind, const QString& extension,
                               const std::function<bool(const std::filesystem::path&)>& isRefused,
                               const std::function<std::string()>& text) {
    const QString pattern = QStringLiteral("*.") + extension;
    const std::vector<gui::FileFilter> filters{
        gui::FileFilter::parse(QStringLiteral("%1 (%2)|%2").arg(kind, pattern)),
        gui::FileFilter::parse(QStringLiteral("%1 in UTF-8 (%2)|%2").arg(kind, pattern))};
    const gui::FileChoice choice =
        gui::SaveFileChooser(services_.fileDialog, services_.messages).chooseOf(filters, isRefused);
    if (choice.path.empty())
        return;
    if (isRefused(choice.path)) {
        services_.messages.show(gui::fromMessageText(output::kRefusedNameMessage));
        return;
    }
    const bool utf8 = choice.filterIndex == 1;
    const bool written = runShowingFailure([&] {
        const std::string bytes = text();
        output::writeOutputFile(choice.path, utf8 ? season::windows1252::toUtf8(bytes) : bytes);
    });
    if (written)
        noteWritten(choice.path);
}

bool OutputCommands::runShowingFailure(const std::function<void()>& work) {
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
    return !failure;
}

void OutputCommands::writeCsvFile() {
    if (!hasTableForOutput())
        return;
    // Writing the table over the folder memory would lose the remembered folder.
    writeFile(
        QStringLiteral("CSV"), QStringLiteral("csv"),
        [](const std::filesystem::path& chosen) { return output::isFolderMemoryFile(chosen); },
        [&] { return output::csvText(*grid_.table()); });
}

void OutputCommands::writeTextFile() {
    if (!hasTableForOutput())
        return;
    writeFile(
        QStringLiteral("Text"), QStringLiteral("txt"),
        [](const std::filesystem::path& chosen) { return output::isRefusedReportName(chosen.string()); },
        [&] { return output::textReport(*grid_.table(), grid_.season()->caption()); });
}

void OutputCommands::printInfo() {
    if (!hasTableForOutput())
        return;
    gui::PrintJob job;
    if (runShowingFailure([&] {
            job = services_.printer.print(
                output::layoutPrintedReport(*grid_.table(), grid_.season()->caption()));
        }))
        notePrinted(job);
}

void OutputCommands::writeWebPage() {
    if (!hasTableForOutput())
        return;
    const std::filesystem::path path = chooseOutputFile(
        QStringLiteral("Web page (*.html)|*.html"),
        [](const std::filesystem::path& chosen) { return output::isFolderMemoryFile(chosen); }, ".html");
    // The page of what the table shows: compared, it marks the changes as the exporter's compare does.
    const model::Season* other = comparedWith_ ? comparedWith_() : nullptr;
    if (!path.empty() && runShowingFailure([&] {
            output::writeOutputFile(path, other != nullptr ? parkpage::comparedPage(*other, *grid_.season())
                                                           : parkpage::seasonPage(*grid_.season()));
        }))
        noteWritten(path);
}

void OutputCommands::printWithDialog() {
    if (!hasTableForOutput())
        return;
    gui::SystemPrintDialog systemDialog;
    gui::PrintDialog& dialog = services_.printDialog ? *services_.printDialog : systemDialog;
    const std::optional<gui::PrintSetup> setup = dialog.ask();
    if (!setup)
        return;
    gui::PrintJob job;
    if (runShowingFailure([&] {
            job = services_.printer.print(
                output::layoutPrintedReport(*grid_.table(), grid_.season()->caption()), *setup);
        }))
        notePrinted(job);
}

void OutputCommands::previewInfo() {
    if (hasTableForOutput())
        services_.printer.preview(output::layoutPrintedReport(*grid_.table(), grid_.season()->caption()));
}

} // namespace vendrix::app
