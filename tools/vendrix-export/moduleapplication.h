#pragma once

#include <QGuiApplication>

namespace vendrix::exporter {

// The Qt application that the print module's entry points draw under. The exporter shows no
// window: Qt starts on its offscreen platform (unless QT_QPA_PLATFORM says otherwise; Windows always
// has its desktop), so a stale display over ssh cannot stop it, and Qt's own notes stay off the
// user's terminal but for errors, which reach the user through the entry's result anyway.
class ModuleApplication {
public:
    ModuleApplication();

private:
    QGuiApplication application_;
};

} // namespace vendrix::exporter
