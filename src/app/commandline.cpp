#include "commandline.h"

#include <QDir>

#ifndef VENDRIX_VERSION
#define VENDRIX_VERSION "unknown"
#endif

namespace vendrix::app {

CommandLine CommandLine::parse(const QStringList& arguments) {
    CommandLine line;
    bool help = false;
    bool version = false;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool isOption = !optionsEnded && argument.startsWith(QLatin1Char('-')) && argument.size() > 1;
        if (isOption && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (isOption && (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            help = true;
        } else if (isOption && (argument == QLatin1String("--version") || argument == QLatin1String("-v"))) {
            version = true;
        } else if (isOption && argument == QLatin1String("--from-menu")) {
            line.fromMenu = true;
        } else if (isOption) {
            if (line.error.isEmpty())
                line.error = QStringLiteral("unknown option %1").arg(argument);
        } else if (line.season.isEmpty()) {
            line.season = QDir::cleanPath(QDir::current().absoluteFilePath(argument));
        } else if (line.error.isEmpty()) {
            line.error = QStringLiteral("one season folder at a time, not also %1").arg(argument);
        }
    }
    if (help)
        line.action = Action::Help;
    else if (version)
        line.action = Action::Version;
    else if (!line.error.isEmpty())
        line.action = Action::Error;
    return line;
}

QString CommandLine::helpText() {
    return QStringLiteral(
        "Usage: vendrix [SEASON_FOLDER]\n"
        "Shows the ballparks of a baseball season and prints or exports them.\n"
        "\n"
        "SEASON_FOLDER  a folder holding dmbpark.dat, dmbteam.dat and dmborg.dat (or one of those\n"
        "               files); the window opens on it, ready for Get Park Info.\n"
        "\n"
        "  -h, --help     show this help and end\n"
        "  -v, --version  show the version and end\n"
        "  --from-menu    keep ParkDir.txt in the per-user data folder instead of the working\n"
        "                 folder (the desktop menu entry starts the program this way)\n"
        "\n"
        "The last folder opened is remembered in ParkDir.txt and opened again at the next start.\n"
        "\n"
        "Exit status: 0 the window was closed; 2 the command line is wrong (the message says why).\n");
}

QString CommandLine::versionText() {
    return QStringLiteral("vendrix " VENDRIX_VERSION "\n");
}

} // namespace vendrix::app
