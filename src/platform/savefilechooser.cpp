#include "savefilechooser.h"

#include <QFile>

namespace vendrix::platform {

std::filesystem::path SaveFileChooser::choose(const FileFilter& filter, const RefusedName& isRefused) {
    std::filesystem::path suggested;
    for (;;) {
        std::filesystem::path path = dialog_.chooseFile(filter, suggested);
        if (path.empty() || (isRefused && isRefused(path)))
            return path;
        std::error_code error;
        if (!std::filesystem::exists(path, error) || messages_.ask(replaceQuestion(path)))
            return path;
        suggested = std::move(path);
    }
}

QString SaveFileChooser::replaceQuestion(const std::filesystem::path& path) {
    return shownPath(path.filename()) + QStringLiteral(" already exists.\nReplace it?");
}

QString SaveFileChooser::shownPath(const std::filesystem::path& path) {
#ifdef Q_OS_WIN
    return QString::fromStdWString(path.wstring());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
#endif
}

} // namespace vendrix::platform
