#include "commandline.h"
#include "form1.h"
#include "platform/systemfiledialog.h"
#include "platform/systemmessagebox.h"
#include "platform/systemprinter.h"
#include "platform/systemvolumes.h"
#include "userdatafolder.h"
#include "windowplacement.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>

namespace {

QStringList rawArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

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
    if (answeredOnTerminal(CommandLine::parse(rawArguments(argc, argv))))
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

    vendrix::platform::SystemMessageBox messages;
    vendrix::platform::SystemFileDialog fileDialog;
    vendrix::platform::SystemPrinter printer;
    vendrix::platform::SystemVolumes volumes;

    vendrix::app::Form1 window({messages, fileDialog, printer, volumes});
    QObject::connect(&window, &vendrix::app::Form1::exitRequested, &application,
                     [] { QCoreApplication::exit(0); });
    auto* placement =
        new vendrix::app::WindowPlacement(window, vendrix::app::WindowPlacement::userSettings());
    placement->restore();
    window.load();
    window.show();
    if (!command.season.isEmpty())
        window.openSeason(command.season);
    return QApplication::exec();
}
