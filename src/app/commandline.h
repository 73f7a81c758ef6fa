#pragma once

#include <QString>
#include <QStringList>

namespace vendrix::app {

// What the program was asked on its command line: `vendrix [--from-menu] [SEASON_FOLDER]`, or
// `--help` / `--version`, which are answered on the terminal without a window.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };

    Action action = Action::Run;
    // A folder, or one of its three data files, made absolute against the working folder at the
    // moment of parsing; empty when none was given.
    QString season;
    // Started from the desktop menu: ParkDir.txt lives in the per-user data folder.
    bool fromMenu = false;
    QString error; // for Action::Error

    // The arguments as the program got them, its own name first. Help and version win over a
    // mistake elsewhere on the line; "--" ends the options.
    static CommandLine parse(const QStringList& arguments);

    static QString helpText();
    static QString versionText();
};

} // namespace vendrix::app
