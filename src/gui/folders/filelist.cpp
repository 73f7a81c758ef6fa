#include "filelist.h"

#include "folderlist.h"
#include "gui/bridge/nativepath.h"
#include "season/seasonfiles.h"

#include <QDir>

namespace vendrix::gui {

FileList::FileList(QWidget* parent) : QListWidget(parent) {
    setAccessibleName(QStringLiteral("Season files"));
    setSelectionMode(QAbstractItemView::SingleSelection);
}

bool FileList::setPath(const QString& path) {
    const QString target = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    if (path.isEmpty() || !FolderList::isOpenable(target))
        return false;
    path_ = target;
    names_ = season::listSeasonFileNames(toNativePath(path_));
    clear();
    for (const std::string& name : names_)
        addItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))); // ASCII names only
    return true;
}

} // namespace vendrix::gui
