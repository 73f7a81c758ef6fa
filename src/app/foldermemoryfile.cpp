#include "foldermemoryfile.h"

#include "gui/bridge/nativepath.h"
#include "season/exists.h"
#include "season/foldermemory.h"

#include <QFile>
#include <QSaveFile>

namespace vendrix::app {

namespace {
// More than any path a file system takes; the rest of an odd file is never needed.
constexpr qint64 kReadLimit = 64 * 1024;
} // namespace

bool FolderMemoryFile::holdsFolder() const {
    return season::Exists(gui::toNativePath(fileName_));
}

std::optional<QString> FolderMemoryFile::read() const {
    QFile file(fileName_);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(kReadLimit);
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError)
        return std::nullopt;
    const std::string folder = season::foldermemory::parse(std::string_view(bytes.constData(), bytes.size()));
    return gui::fromRememberedFolder(folder);
}

void FolderMemoryFile::createEmpty() const {
    QFile file(fileName_);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.close();
}

std::optional<QString> FolderMemoryFile::write(const QString& folder) const {
    const std::string bytes = season::foldermemory::format(gui::toRememberedFolder(folder));
    QSaveFile file(fileName_);
    // A working folder that takes no new files may still let the file itself be rewritten.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), static_cast<qint64>(bytes.size())) < 0 ||
        !file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace vendrix::app
