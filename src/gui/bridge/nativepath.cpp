#include "nativepath.h"

#include "native/nativeprocess.h"

#include <QDir>
#include <QFile>

namespace vendrix::gui {

std::filesystem::path toNativePath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(QDir::toNativeSeparators(path).toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

QString fromNativePath(const std::filesystem::path& path) {
#ifdef Q_OS_WIN
    return QDir::fromNativeSeparators(QString::fromStdWString(path.native()));
#else
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
}

QString fromMessageText(std::string_view text) {
#ifdef Q_OS_WIN
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
#else
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
#endif
}

std::string toRememberedFolder(const QString& folder) {
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(folder).toStdString();
#else
    return QFile::encodeName(folder).toStdString();
#endif
}

QString fromRememberedFolder(const std::string& folder) {
#ifdef Q_OS_WIN
    return QDir::fromNativeSeparators(QString::fromStdString(folder));
#else
    return QFile::decodeName(QByteArray::fromStdString(folder));
#endif
}

QStringList commandLineArguments(int argc, char* argv[]) {
    QStringList arguments;
    if (argc > 0)
        arguments << QString::fromLocal8Bit(argv[0]);
#ifdef Q_OS_WIN
    for (const std::string& argument : native::startCommandLine(argc, argv))
        arguments << QString::fromStdString(argument);
#else
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
#endif
    return arguments;
}

} // namespace vendrix::gui
