#pragma once

#include <QString>
#include <optional>

namespace vendrix::app {

// The per-user folder where a program started from the desktop menu keeps ParkDir.txt, so that
// the memory does not depend on the folder the session happens to start in.
class UserDataFolder {
public:
    // The folder: "vendrix" in the user's data location (~/.local/share/vendrix on Linux).
    static QString path();
    // Creates the folder when missing and makes it the working folder; the reason when that fails,
    // with the working folder unchanged.
    static std::optional<QString> enter(const QString& folder = path());
};

} // namespace vendrix::app
