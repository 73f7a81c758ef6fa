#include "seasondrop.h"

#include "season/seasonfiles.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace vendrix::app {

SeasonDrop::SeasonDrop(QWidget& window) : QObject(&window) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

QString SeasonDrop::seasonFolderOf(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return {};
    if (info.isDir())
        return info.absoluteFilePath();
    if (season::isSeasonFileName(QFile::encodeName(info.fileName()).toStdString()))
        return info.absolutePath();
    return {};
}

QString SeasonDrop::seasonFolderOf(const QMimeData& data) {
    if (!data.hasUrls())
        return {};
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile())
            continue;
        const QString folder = seasonFolderOf(url.toLocalFile());
        if (!folder.isEmpty())
            return folder;
    }
    return {};
}

bool SeasonDrop::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (drag->mimeData() && !seasonFolderOf(*drag->mimeData()).isEmpty())
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString folder = drop->mimeData() ? seasonFolderOf(*drop->mimeData()) : QString();
        if (folder.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        emit seasonDropped(folder);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace vendrix::app
