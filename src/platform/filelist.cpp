#include "filelist.h"

#include "folderlist.h"
#include "season/seasonfiles.h"

#include <QDir>
#include <QFile>

namespace vendrix::platform {

FileList::FileList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

bool FileList::setPath(const QString& path) {
    const QString target = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    if (path.isEmpty() || !FolderList::isOpenable(target))
        return false;
    path_ = target;
    names_ = season::listSeasonFileNames(std::filesystem::path(QFile::encodeName(path_).toStdString()));
    clear();
    for (const std::string& name : names_)
        addItem(QFile::decodeName(QByteArray::fromStdString(name)));
    return true;
}

} // namespace vendrix::platform
