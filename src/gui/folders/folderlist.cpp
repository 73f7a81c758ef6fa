#include "folderlist.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

namespace vendrix::gui {

namespace {

constexpr int kPathRole = Qt::UserRole;

QString absoluteClean(const QString& path) {
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

// "/", "/home", "/home/season" for "/home/season".
QStringList chainTo(const QString& path) {
    QStringList chain;
    QString step = path;
    for (;;) {
        chain.prepend(step);
        QDir dir(step);
        if (dir.isRoot() || !dir.cdUp())
            break;
        const QString parent = dir.absolutePath();
        if (parent == step)
            break;
        step = parent;
    }
    return chain;
}

QString shownName(const QString& folder) {
    const QString name = QFileInfo(folder).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(folder) : name;
}

} // namespace

FolderList::FolderList(QWidget* parent) : QTreeWidget(parent) {
    setAccessibleName(QStringLiteral("Folders"));
    // Never shown: what a screen reader says of the column.
    setHeaderLabel(QStringLiteral("Folder"));
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(8);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setExpandsOnDoubleClick(false);
    header()->setStretchLastSection(true);
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { openItem(item); });
}

bool FolderList::isOpenable(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

bool FolderList::setPath(const QString& path) {
    if (path.isEmpty())
        return false;
    const QString target = absoluteClean(path);
    if (target == path_)
        return true;
    if (!isOpenable(target))
        return false;
    path_ = target;
    fill();
    emit pathChanged(path_);
    return true;
}

void FolderList::refresh() {
    fill();
}

void FolderList::fill() {
    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);

    QTreeWidgetItem* parentItem = nullptr;
    for (const QString& folder : chainTo(path_)) {
        auto* item = parentItem ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(this);
        item->setText(0, shownName(folder));
        item->setIcon(0, openIcon);
        item->setData(0, kPathRole, folder);
        item->setToolTip(0, QDir::toNativeSeparators(folder));
        parentItem = item;
    }
    QTreeWidgetItem* openItem = parentItem;

    const QDir dir(path_);
    const auto subfolders = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot,
                                              QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QFileInfo& info : subfolders) {
        auto* item = new QTreeWidgetItem(openItem);
        item->setText(0, info.fileName());
        item->setIcon(0, closedIcon);
        item->setData(0, kPathRole, info.absoluteFilePath());
    }
    expandAll();
    setCurrentItem(openItem);
    scrollToItem(openItem);
}

void FolderList::openItem(QTreeWidgetItem* item) {
    if (!item)
        return;
    const QString folder = item->data(0, kPathRole).toString();
    if (!setPath(folder))
        emit openRefused(folder);
}

void FolderList::openParent() {
    QDir dir(path_);
    if (path_.isEmpty() || dir.isRoot() || !dir.cdUp())
        return;
    const QString parent = dir.absolutePath();
    if (!setPath(parent))
        emit openRefused(parent);
}

void FolderList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openItem(currentItem());
        return;
    }
    const bool altUp = event->key() == Qt::Key_Up && event->modifiers() == Qt::AltModifier;
    if (event->key() == Qt::Key_Backspace || altUp) {
        openParent();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

} // namespace vendrix::gui
