#include "drivelist.h"

#include <QDir>
#include <QLabel>
#include <QSignalBlocker>

namespace vendrix::gui {

namespace {

constexpr int kRootRole = Qt::UserRole;

QString driveLabel(const Volume& volume) {
    if (volume.name.isEmpty() || volume.name == volume.root)
        return QDir::toNativeSeparators(volume.root);
    return QDir::toNativeSeparators(volume.root) + QStringLiteral(" [") + volume.name + QLatin1Char(']');
}

} // namespace

DriveList::DriveList(VolumeSource& volumes, QWidget* parent) : QComboBox(parent), volumes_(volumes) {
    setAccessibleName(QStringLiteral("Drive"));
    // On Linux a combo box is named by its value; a screen reader takes its name from the label that
    // names it as its buddy. The label is not shown: the list looks as it always has.
    if (parent != nullptr) {
        auto* label = new QLabel(accessibleName(), parent);
        label->setBuddy(this);
        label->hide();
    }
    refresh();
    connect(this, &QComboBox::activated, this, &DriveList::chooseFromList);
}

QStringList DriveList::drives() const {
    QStringList roots;
    for (int i = 0; i < count(); ++i)
        roots << itemData(i, kRootRole).toString();
    return roots;
}

void DriveList::refresh() {
    const QSignalBlocker blocker(this);
    clear();
    for (const Volume& volume : volumes_.readyVolumes())
        addItem(driveLabel(volume), volume.root);
    showCurrent();
}

void DriveList::showCurrent() {
    const QSignalBlocker blocker(this);
    setCurrentIndex(findData(current_, kRootRole));
}

bool DriveList::setDrive(const QString& root) {
    const QString clean = QDir::cleanPath(root);
    if (clean == current_)
        return true;
    if (findData(clean, kRootRole) < 0)
        refresh();
    if (findData(clean, kRootRole) < 0 || !volumes_.isReady(clean))
        return false;
    current_ = clean;
    showCurrent();
    emit driveChanged(current_);
    return true;
}

void DriveList::chooseFromList(int index) {
    const QString chosen = itemData(index, kRootRole).toString();
    if (chosen == current_) {
        emit driveChosenAgain(current_);
        return;
    }
    if (!volumes_.isReady(chosen)) {
        showCurrent();
        return;
    }
    current_ = chosen;
    showCurrent();
    emit driveChanged(current_);
}

void DriveList::showDriveOf(const QString& path) {
    const QString root = driveOf(path, drives());
    if (root.isEmpty())
        return;
    current_ = root;
    showCurrent();
}

void DriveList::showPopup() {
    refresh();
    QComboBox::showPopup();
}

QString DriveList::driveOf(const QString& path, const QStringList& roots) {
    const QString clean = QDir::cleanPath(path);
#ifdef Q_OS_WIN
    // The first two characters of a path name its drive: "C:".
    for (const QString& root : roots)
        if (clean.size() >= 2 && root.left(2).compare(clean.left(2), Qt::CaseInsensitive) == 0)
            return root;
    return {};
#else
    if (!QDir::isAbsolutePath(clean))
        return {};
    QString best;
    for (const QString& root : roots) {
        const bool fits =
            root == QLatin1String("/") || clean == root || clean.startsWith(root + QLatin1Char('/'));
        if (fits && root.size() > best.size())
            best = root;
    }
    return best;
#endif
}

} // namespace vendrix::gui
