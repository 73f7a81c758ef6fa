#include "moduleapplication.h"

#include <cstdio>
#include <cstdlib>

namespace vendrix::exporter {

namespace {

void keepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "vendrix-export: %s\n", qPrintable(message));
}

int& applicationArgc() {
#ifndef _WIN32
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
#endif
    qInstallMessageHandler(keepQtQuiet);
    static int argc = 1;
    return argc;
}

char** applicationArgv() {
    static char name[] = "vendrix-export";
    static char* argv[] = {name, nullptr};
    return argv;
}

} // namespace

ModuleApplication::ModuleApplication() : application_(applicationArgc(), applicationArgv()) {}

} // namespace vendrix::exporter
