#pragma once

#include <QSettings>
#include <QString>
#include <memory>

class QAction;

namespace vendrix::app {

// The user's settings (on Linux ~/.config/vendrix/vendrix.conf): the window's place, the grid's
// colours and whatever else is remembered between runs, but not the folder, which ParkDir.txt
// keeps. This is the one place that opens them; what needs a setting is handed it.
class UserSettings {
public:
    // The settings of the user running the program.
    static std::unique_ptr<QSettings> open();

    // Gives a checkable action the value kept under `key` (`byDefault` when none is) and keeps
    // every later change of it there. The settings must outlive the action.
    static void rememberToggle(QAction& action, QSettings& settings, const QString& key, bool byDefault);
};

} // namespace vendrix::app
