#include "commandline.h"
#include "form1.h"
#include "gui/bridge/nativepath.h"
#include "gui/dialogs/systemfiledialog.h"
#include "gui/dialogs/systemmessagebox.h"
#include "gui/folders/systemvolumes.h"
#include "gui/print/systemprinter.h"
#include "userdatafolder.h"
#include "usersettings.h"
#include "windowplacement.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>

namespace {

// Help and version are answered before the window system is asked for anything, so they work
// without a display.
bool answeredOnTerminal(const vendrix::app::CommandLine& line) {
    using Action = vendrix::app::CommandLine::Action;
    if (line.action == Action::Help)
        std::fputs(qPrintable(vendrix::app::CommandLine::helpText()), stdout);
    else if (line.action == Action::Version)
        std::fputs(qPrintable(vendrix::app::CommandLine::versionText()), stdout);
    return line.action == Action::Help || line.action == Action::Version;
}

} // namespace

int main(int argc, char* argv[]) {
    using vendrix::app::CommandLine;
    if (answeredOnTerminal(CommandLine::parse(vendrix::gui::commandLineArguments(argc, argv))))
        return 0;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vendrix"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vendrix/vendrix.png")));
    // Parsed again without the window system's own options, which QApplication has taken out.
    const CommandLine command = CommandLine::parse(QApplication::arguments());
    if (command.action == CommandLine::Action::Error) {
        std::fprintf(stderr, "vendrix: %s\nTry 'vendrix --help'.\n", qPrintable(command.error));
        return 2;
    }
    if (command.fromMenu) {
        if (const std::optional<QString> failure = vendrix::app::UserDataFolder::enter())
            std::fprintf(stderr, "vendrix: %s; ParkDir.txt stays in the working folder\n",
                         qPrintable(*failure));
    }

    vendrix::gui::SystemMessageBox messages;
    vendrix::gui::SystemFileDialog fileDialog;
    vendrix::gui::SystemPrinter printer;
    vendrix::gui::SystemVolumes volumes;

    const std::unique_ptr<QSettings> settings = vendrix::app::UserSettings::open();

    vendrix::app::Form1 window({messages, fileDialog, printer, volumes, settings.get()});
    QObject::connect(&window, &vendrix::app::Form1::exitRequested, &application,
                     [] { QCoreApplication::exit(0); });
    auto* placement = new vendrix::app::WindowPlacement(window, vendrix::app::UserSettings::open());
    placement->restore();
    window.load();
    window.show();
    if (!command.season.isEmpty())
        window.openSeason(command.season);
    return QApplication::exec();
}
