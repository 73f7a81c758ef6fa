#include "usersettings.h"

#include <QAction>

namespace vendrix::app {

std::unique_ptr<QSettings> UserSettings::open() {
    return std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("vendrix"),
                                       QStringLiteral("vendrix"));
}

void UserSettings::rememberToggle(QAction& action, QSettings& settings, const QString& key, bool byDefault) {
    action.setChecked(settings.value(key, byDefault).toBool());
    QObject::connect(&action, &QAction::toggled, &action,
                     [&settings, key](bool on) { settings.setValue(key, on); });
}

} // namespace vendrix::app
