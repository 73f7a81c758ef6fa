#include "commandline.h"

#include <CLI/CLI.hpp>
#include <QDir>
#include <string>
#include <vector>

#ifndef VENDRIX_VERSION
#define VENDRIX_VERSION "unknown"
#endif

namespace vendrix::app {

CommandLine CommandLine::parse(const QStringList& arguments) {
    CommandLine line;
    CLI::App app("", "vendrix");
    // Help is the program's own text; a mistake is told, not thrown, so help and version can win.
    app.set_help_flag();
    app.allow_extras();
    bool help = false;
    bool version = false;
    std::vector<std::string> folders;
    app.add_flag("-h,--help", help);
    app.add_flag("-v,--version", version);
    app.add_flag("--from-menu", line.fromMenu);
    app.add_option("SEASON_FOLDER", folders);

    std::vector<std::string> reversed;
    for (qsizetype i = arguments.size() - 1; i >= 1; --i)
        reversed.push_back(arguments[i].toStdString());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& error) {
        line.error = QString::fromStdString(error.what());
    }
    for (const std::string& extra : app.remaining())
        if (extra != "--" && line.error.isEmpty())
            line.error = QStringLiteral("unknown option %1").arg(QString::fromStdString(extra));
    if (!folders.empty())
        line.season =
            QDir::cleanPath(QDir::current().absoluteFilePath(QString::fromStdString(folders.front())));
    if (folders.size() > 1 && line.error.isEmpty())
        line.error = QStringLiteral("one season folder at a time, not also %1")
                         .arg(QString::fromStdString(folders[1]));
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
