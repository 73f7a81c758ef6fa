#pragma once

#include "volumesource.h"

#include <QComboBox>
#include <QStringList>

namespace vendrix::gui {

// The drive list: the ready volumes, one of them current; named "Drive" for assistive technology. A real
// change of the current drive, by the user or by the program, emits driveChanged once; choosing a drive that
// is no longer ready puts the list back on the drive it showed.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(VolumeSource& volumes, QWidget* parent = nullptr);

    QString drive() const { return current_; }
    QStringList drives() const;

    // Makes the drive current; false, with nothing changed, when it is not a ready volume.
    bool setDrive(const QString& root);
    // Shows the drive that holds the path without raising a change: the list follows the folder.
    void showDriveOf(const QString& path);
    // Asks the volume source again, keeping the current drive.
    void refresh();

    // The drive of a path: the root that is the longest prefix of it, whole folder names only
    // (on Windows the drive letter). Empty when no root fits or the path is not absolute.
    static QString driveOf(const QString& path, const QStringList& roots);

signals:
    void driveChanged(const QString& root);
    // The user chose the drive that is current already: the folder list goes to its top.
    void driveChosenAgain(const QString& root);

protected:
    void showPopup() override;

private:
    void chooseFromList(int index);
    void showCurrent();

    VolumeSource& volumes_;
    QString current_;
};

} // namespace vendrix::gui
