// The drive, folder and file lists on their own.
#include "gui/folders/drivelist.h"
#include "gui/folders/filelist.h"
#include "gui/folders/folderlist.h"
#include "windowtest.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

namespace vendrix::test {
namespace {

using gui::DriveList;
using gui::FolderList;

class Adapters : public WindowTest {};

TEST_F(Adapters, DriveOfAPathIsTheLongestWholeFolderPrefix) {
    const QStringList roots{QStringLiteral("/"), QStringLiteral("/mnt/data"),
                            QStringLiteral("/mnt/data/inner")};
    EXPECT_EQ(DriveList::driveOf(QStringLiteral("/home/x"), roots), QStringLiteral("/"));
    EXPECT_EQ(DriveList::driveOf(QStringLiteral("/mnt/data"), roots), QStringLiteral("/mnt/data"));
    EXPECT_EQ(DriveList::driveOf(QStringLiteral("/mnt/data/a/b"), roots), QStringLiteral("/mnt/data"));
    EXPECT_EQ(DriveList::driveOf(QStringLiteral("/mnt/data2/a"), roots), QStringLiteral("/"));
    EXPECT_EQ(DriveList::driveOf(QStringLiteral("/mnt/data/inner/"), roots),
              QStringLiteral("/mnt/data/inner"));
    EXPECT_EQ(DriveList::driveOf(QStringLiteral("relative/path"), roots), QString());
    EXPECT_EQ(DriveList::driveOf(QString(), roots), QString());
}

TEST_F(Adapters, DriveListRaisesOneChangePerRealChange) {
    standIns.volumes.addDrive(QStringLiteral("/media/stick"));
    standIns.volumes.drives[QStringLiteral("/media/gone")] = false;
    DriveList drives(standIns.volumes);
    EXPECT_EQ(drives.drives(), QStringList({QStringLiteral("/"), QStringLiteral("/media/stick")}));
    QSignalSpy changes(&drives, &DriveList::driveChanged);
    EXPECT_TRUE(drives.setDrive(QStringLiteral("/")));
    EXPECT_TRUE(drives.setDrive(QStringLiteral("/")));
    EXPECT_TRUE(drives.setDrive(QStringLiteral("/media/stick/")));
    EXPECT_FALSE(drives.setDrive(QStringLiteral("/media/gone")));
    EXPECT_FALSE(drives.setDrive(QStringLiteral("/nowhere")));
    drives.showDriveOf(QStringLiteral("/home"));
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(drives.drive(), QStringLiteral("/"));
}

TEST_F(Adapters, FolderListOpensOnlyOnDoubleClickOrEnter) {
    std::filesystem::create_directories(workFolder() / "alpha" / "deep");
    std::filesystem::create_directories(workFolder() / "beta");
    FolderList folders;
    QSignalSpy changes(&folders, &FolderList::pathChanged);
    QSignalSpy refusals(&folders, &FolderList::openRefused);
    ASSERT_TRUE(folders.setPath(qpath(workFolder())));
    EXPECT_TRUE(folders.setPath(qpath(workFolder()) + QStringLiteral("/")));
    EXPECT_FALSE(folders.setPath(qpath(workFolder() / "missing")));
    EXPECT_EQ(changes.count(), 1);

    const auto items = folders.findItems(QStringLiteral("alpha"), Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(items.size(), 1);
    folders.setCurrentItem(items.front());
    EXPECT_EQ(folders.path(), qpath(workFolder())) << "selecting opens nothing";
    QTest::keyClick(&folders, Qt::Key_Return);
    EXPECT_EQ(folders.path(), qpath(workFolder() / "alpha"));

    // Up again through the open folder's parent, by double-click.
    const auto work = folders.findItems(QStringLiteral("work"), Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(work.size(), 1);
    emit folders.itemDoubleClicked(work.front(), 0);
    EXPECT_EQ(folders.path(), qpath(workFolder()));
    EXPECT_EQ(changes.count(), 3);

    // A folder that went away after it was listed is refused, and the list stays.
    std::filesystem::remove(workFolder() / "beta");
    const auto beta = folders.findItems(QStringLiteral("beta"), Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(beta.size(), 1);
    emit folders.itemDoubleClicked(beta.front(), 0);
    EXPECT_EQ(refusals.count(), 1);
    EXPECT_EQ(folders.path(), qpath(workFolder()));
}

TEST_F(Adapters, FileListShowsTheDataFilesWhateverTheirCase) {
    writeBytes(workFolder() / "DMBPARK.DAT", "x");
    writeBytes(workFolder() / "dmbTeam.dat", "x");
    writeBytes(workFolder() / "other.dat", "x");
    std::filesystem::create_directory(workFolder() / "dmborg.dat");
    gui::FileList files;
    ASSERT_TRUE(files.setPath(qpath(workFolder())));
    EXPECT_EQ(files.names(), (std::vector<std::string>{"DMBPARK.DAT", "dmbTeam.dat"}));
    EXPECT_EQ(files.count(), 2);
    EXPECT_FALSE(files.setPath(qpath(workFolder() / "missing")));
    EXPECT_EQ(files.path(), qpath(workFolder()));
}

} // namespace
} // namespace vendrix::test
