#include "userdatafolder.h"

#include <QDir>
#include <QStandardPaths>

namespace vendrix::app {

QString UserDataFolder::path() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/vendrix");
}

std::optional<QString> UserDataFolder::enter(const QString& folder) {
    if (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).isEmpty())
        return QStringLiteral("the system names no data folder for this user");
    if (!QDir().mkpath(folder))
        return QStringLiteral("%1 cannot be created").arg(QDir::toNativeSeparators(folder));
    if (!QDir::setCurrent(folder))
        return QStringLiteral("%1 cannot be made the working folder").arg(QDir::toNativeSeparators(folder));
    return std::nullopt;
}

} // namespace vendrix::app
