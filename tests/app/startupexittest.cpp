// Start-up, drive change, folder memory and Exit.
#include "gui/folders/drivelist.h"
#include "gui/folders/filelist.h"
#include "gui/folders/folderlist.h"
#include "gui/grid/parkgrid.h"
#include "windowtest.h"

#include <QLabel>
#include <QSignalSpy>

namespace vendrix::test {
namespace {

class StartupExit : public WindowTest {
protected:
    void expectActionButtonsDisabled(const app::Form1& window) {
        for (const char* name : {"cmdGetParkInfo", "cmdPrintInfo", "cmdWritetoFile", "cmdWriteCSV"})
            EXPECT_FALSE(button(window, name).isEnabled()) << name;
        EXPECT_TRUE(button(window, "cmdExit").isEnabled());
    }
};

TEST_F(StartupExit, FirstStartCreatesEmptyMemoryAndScansNothingEvenInASeasonFolder) {
    // The working folder is itself a complete season: only a change of folder scans it.
    seasonkit::writeSeason(workFolder(), seasonkit::sampleSeason());
    const auto window = startWindow();

    ASSERT_TRUE(std::filesystem::exists(memoryFile()));
    EXPECT_EQ(std::filesystem::file_size(memoryFile()), 0u);
    expectActionButtonsDisabled(*window);
    EXPECT_TRUE(window->captionLabel().text().isEmpty());
    EXPECT_EQ(window->folderList().path(), qpath(workFolder()));
    EXPECT_EQ(window->fileList().path(), qpath(workFolder()));
    EXPECT_EQ(window->fileList().count(), 3);
    EXPECT_EQ(window->driveList().drive(), QStringLiteral("/"));
    EXPECT_EQ(window->lastScan().filesFound, 0);
    EXPECT_TRUE(standIns.messages.texts.isEmpty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vendrix V10 (12/17/2010)"));
}

TEST_F(StartupExit, EmptyMemoryCountsAsAbsentAndStaysEmpty) {
    writeBytes(memoryFile(), "");
    const auto window = startWindow();
    EXPECT_EQ(std::filesystem::file_size(memoryFile()), 0u);
    EXPECT_EQ(window->folderList().path(), qpath(workFolder()));
    expectActionButtonsDisabled(*window);
}

TEST_F(StartupExit, RememberedFolderIsRestoredAndScanned) {
    const auto season = makeSeason("northwind");
    remember(season);
    const std::string before = readBytes(memoryFile());
    const auto window = startWindow();

    EXPECT_EQ(window->folderList().path(), qpath(season));
    EXPECT_EQ(window->fileList().path(), qpath(season));
    EXPECT_EQ(window->fileList().count(), 3);
    EXPECT_TRUE(button(*window, "cmdGetParkInfo").isEnabled());
    EXPECT_FALSE(button(*window, "cmdPrintInfo").isEnabled());
    EXPECT_EQ(window->captionLabel().text(),
              QStringLiteral("Park Factors for Northwind Baseball League in 2031"));
    EXPECT_TRUE(window->captionLabel().alignment() & Qt::AlignHCenter);
    EXPECT_EQ(readBytes(memoryFile()), before) << "the memory is only read at start";
    EXPECT_TRUE(standIns.messages.texts.isEmpty());
}

TEST_F(StartupExit, RememberedWorkingFolderRunsNoScan) {
    seasonkit::writeSeason(workFolder(), seasonkit::sampleSeason());
    remember(workFolder());
    auto window = std::make_unique<app::Form1>(standIns.services());
    QSignalSpy scans(&window->folderList(), &gui::FolderList::pathChanged);
    window->load();
    EXPECT_EQ(scans.count(), 0);
    EXPECT_FALSE(button(*window, "cmdGetParkInfo").isEnabled());
    EXPECT_TRUE(window->captionLabel().text().isEmpty());
}

TEST_F(StartupExit, DeletedRememberedFolderLeavesTheWorkingFolderWithoutAMessage) {
    remember(tempRoot() / "gone" / "season");
    const auto window = startWindow();
    EXPECT_EQ(window->folderList().path(), qpath(workFolder()));
    EXPECT_TRUE(standIns.messages.texts.isEmpty());
    expectActionButtonsDisabled(*window);
}

TEST_F(StartupExit, UnquotedMemoryIsReadUpToTheFirstComma) {
    const auto season = makeSeason("plain");
    writeBytes(memoryFile(), "  " + season.string() + "  ,second field\r\n");
    const auto window = startWindow();
    EXPECT_EQ(window->folderList().path(), qpath(season));
    EXPECT_TRUE(button(*window, "cmdGetParkInfo").isEnabled());
}

TEST_F(StartupExit, FolderOnAnotherDriveIsReachedThroughTheDriveChange) {
    const std::filesystem::path drive = tempRoot() / "drive2";
    const auto season = makeSeason("drive2/seasons/2031");
    standIns.volumes.addDrive(qpath(drive));
    remember(season);

    auto window = std::make_unique<app::Form1>(standIns.services());
    QSignalSpy scans(&window->folderList(), &gui::FolderList::pathChanged);
    window->load();

    // Once on the drive's current folder (its root, never visited), once on the season.
    ASSERT_EQ(scans.count(), 2);
    EXPECT_EQ(scans.at(0).at(0).toString(), qpath(drive));
    EXPECT_EQ(scans.at(1).at(0).toString(), qpath(season));
    EXPECT_EQ(window->driveList().drive(), qpath(drive));
    EXPECT_TRUE(button(*window, "cmdGetParkInfo").isEnabled());
}

TEST_F(StartupExit, DriveChangeReturnsToTheDrivesLastFolderAndANotReadyDriveIsRefused) {
    const std::filesystem::path drive = tempRoot() / "drive2";
    const auto season = makeSeason("drive2/season");
    standIns.volumes.addDrive(qpath(drive));
    const auto window = startWindow();
    gui::DriveList& drives = window->driveList();

    openFolder(*window, season);
    EXPECT_EQ(drives.drive(), qpath(drive)) << "the drive list follows the folder";
    ASSERT_TRUE(drives.setDrive(QStringLiteral("/")));
    EXPECT_EQ(window->folderList().path(), qpath(workFolder()));
    EXPECT_FALSE(button(*window, "cmdGetParkInfo").isEnabled());

    // The user picks the other drive again: back to the folder it showed.
    emit drives.activated(drives.findData(qpath(drive)));
    EXPECT_EQ(drives.drive(), qpath(drive));
    EXPECT_EQ(window->folderList().path(), qpath(season));
    EXPECT_TRUE(button(*window, "cmdGetParkInfo").isEnabled());

    // A drive that went away while listed: the list goes back and nothing else changes.
    standIns.volumes.drives[QStringLiteral("/")] = false;
    QSignalSpy scans(&window->folderList(), &gui::FolderList::pathChanged);
    emit drives.activated(drives.findData(QStringLiteral("/")));
    EXPECT_EQ(drives.drive(), qpath(drive));
    EXPECT_EQ(drives.currentData().toString(), qpath(drive));
    EXPECT_EQ(scans.count(), 0);
    EXPECT_EQ(window->folderList().path(), qpath(season));
    EXPECT_TRUE(standIns.messages.texts.isEmpty());
}

TEST_F(StartupExit, ExitWritesTheQuotedFolderAndTheNextStartReturnsToIt) {
    const auto season = makeSeason("exit-season");
    {
        auto window = startWindow();
        window->show();
        ASSERT_TRUE(openFolder(*window, season));
        QSignalSpy exits(window.get(), &app::Form1::exitRequested);
        button(*window, "cmdExit").click();
        EXPECT_EQ(exits.count(), 1);
        EXPECT_FALSE(window->isVisible());
    }
    EXPECT_EQ(readBytes(memoryFile()), '"' + season.string() + "\"\r\n");

    const auto next = startWindow();
    EXPECT_EQ(next->folderList().path(), qpath(season));
    EXPECT_TRUE(button(*next, "cmdGetParkInfo").isEnabled());
}

TEST_F(StartupExit, FolderNameOutsideTheCodePageSurvivesExitAndStart) {
    const auto season = makeSeason("Сезон 2031");
    {
        auto window = startWindow();
        ASSERT_TRUE(openFolder(*window, season));
        button(*window, "cmdExit").click();
    }
    const auto next = startWindow();
    EXPECT_EQ(next->folderList().path(), qpath(season));
    EXPECT_TRUE(button(*next, "cmdGetParkInfo").isEnabled());
}

TEST_F(StartupExit, ClosingTheWindowLeavesTheMemoryAlone) {
    const auto season = makeSeason("closed");
    auto window = startWindow();
    window->show();
    openFolder(*window, season);
    window->close();
    EXPECT_EQ(std::filesystem::file_size(memoryFile()), 0u);
}

TEST_F(StartupExit, MemoryThatCannotBeWrittenIsReportedAndTheProgramStillEnds) {
    auto window = startWindow();
    std::filesystem::remove(memoryFile());
    std::filesystem::create_directory(memoryFile());
    QSignalSpy exits(window.get(), &app::Form1::exitRequested);
    button(*window, "cmdExit").click();
    ASSERT_EQ(standIns.messages.texts.size(), 1);
    EXPECT_TRUE(standIns.messages.texts.front().contains(QStringLiteral("ParkDir.txt")));
    EXPECT_EQ(exits.count(), 1);
}

} // namespace
} // namespace vendrix::test
