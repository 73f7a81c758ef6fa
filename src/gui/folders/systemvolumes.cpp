#include "systemvolumes.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

namespace vendrix::gui {

std::vector<Volume> SystemVolumes::readyVolumes() {
    std::vector<Volume> volumes;
    const QStorageInfo rootVolume = QStorageInfo::root();
    volumes.push_back({QDir::cleanPath(rootVolume.rootPath()), rootVolume.name()});
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        // A file mounted over a file (containers do that) is no drive.
        if (!storage.isValid() || !storage.isReady() || !QFileInfo(storage.rootPath()).isDir())
            continue;
        const QString root = QDir::cleanPath(storage.rootPath());
        const bool known =
            std::any_of(volumes.begin(), volumes.end(), [&](const Volume& v) { return v.root == root; });
        if (!known)
            volumes.push_back({root, storage.name()});
    }
#ifdef Q_OS_WIN
    // The drive letters the system has, in their order ("C:/", "D:/" ...); a drive without a
    // medium is not ready and stays out, as on Linux a volume that is not mounted.
    std::sort(volumes.begin(), volumes.end(), [](const Volume& a, const Volume& b) {
        return a.root.compare(b.root, Qt::CaseInsensitive) < 0;
    });
#else
    std::sort(volumes.begin() + 1, volumes.end(),
              [](const Volume& a, const Volume& b) { return a.root < b.root; });
#endif
    return volumes;
}

bool SystemVolumes::isReady(const QString& root) {
    const QStorageInfo storage(root);
    return storage.isValid() && storage.isReady() && QDir(root).exists();
}

} // namespace vendrix::gui
