// The window as people use it beyond the design: reports titled by their own table, the replace
// question, F5, seasons opened from outside the lists, the window's space and its first start.
#include "app/commandline.h"
#include "app/userdatafolder.h"
#include "app/windowplacement.h"
#include "gui/folders/drivelist.h"
#include "gui/folders/filelist.h"
#include "gui/folders/folderlist.h"
#include "gui/grid/parkfindbar.h"
#include "gui/grid/parkgrid.h"
#include "gui/widgets/firststarthint.h"
#include "output/printedreport.h"
#include "output/textreport.h"
#include "windowtest.h"

#include <QLabel>
#include <QLayout>
#include <QMimeData>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

namespace vendrix::test {
namespace {

class WindowUse : public WindowTest {
protected:
    std::string textReportFromWindow(app::Form1& window, const std::string& name) {
        standIns.fileDialog.setNextFileName(workFolder() / name);
        button(window, "cmdWritetoFile").click();
        return readBytes(workFolder() / name);
    }
    // Drags the paths onto the window and drops them; whether the window took the drag.
    static bool drop(app::Form1& window, const std::vector<std::filesystem::path>& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const auto& path : paths)
            urls << QUrl::fromLocalFile(qpath(path));
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &dropped);
        return dropped.isAccepted();
    }
};

TEST_F(WindowUse, ReportsAreTitledWithTheSeasonOfTheirTable) {
    auto window = startWindow();
    openFolder(*window, makeSeason("sample"));
    button(*window, "cmdGetParkInfo").click();
    const std::string tableCaption = window->captionBytes();
    const parktable::ParkTable table = *window->grid().table();

    // Another season scanned, without Get Park Info; then one whose park file is empty.
    openFolder(*window, makeSeason("other", seasonkit::syntheticSeason(3)));
    ASSERT_NE(window->captionBytes(), tableCaption);
    const std::string otherCaption = window->captionBytes();
    EXPECT_EQ(textReportFromWindow(*window, "a.txt"), output::textReport(table, tableCaption));

    const auto empty = makeSeason("empty", seasonkit::syntheticSeason(3));
    writeBytes(empty / "dmbpark.dat", "");
    openFolder(*window, empty);
    button(*window, "cmdGetParkInfo").click();
    EXPECT_EQ(textReportFromWindow(*window, "b.txt"), output::textReport(table, tableCaption));
    button(*window, "cmdPrintInfo").click();
    ASSERT_EQ(standIns.printer.printed.size(), 1u);
    EXPECT_EQ(standIns.printer.printed[0].title, tableCaption);
    EXPECT_EQ(standIns.printer.printed[0].sections,
              output::layoutPrintedReport(table, tableCaption).sections);
    EXPECT_EQ(window->captionLabel().text().toStdString(), otherCaption) << "the label shows the last scan";
}

TEST_F(WindowUse, ExistingFileIsReplacedOnlyAfterYes) {
    auto window = startWindow();
    openFolder(*window, makeSeason("season"));
    button(*window, "cmdGetParkInfo").click();
    const auto existing = workFolder() / "parks.csv";
    const auto fresh = workFolder() / "fresh.csv";
    writeBytes(existing, "keep me");

    // No goes back to the dialog on the same name; the user picks another one there.
    standIns.fileDialog.setNextFileName(existing);
    standIns.fileDialog.setNextFileName(fresh);
    button(*window, "cmdWriteCSV").click();
    EXPECT_EQ(standIns.messages.questions,
              QStringList{QStringLiteral("parks.csv already exists.\nReplace it?")});
    EXPECT_EQ(standIns.fileDialog.suggestions, (std::vector<std::filesystem::path>{{}, existing}));
    EXPECT_EQ(readBytes(existing), "keep me");
    EXPECT_TRUE(std::filesystem::exists(fresh));

    // No, then cancel: nothing written. Yes: replaced.
    standIns.fileDialog.setNextFileName(existing);
    button(*window, "cmdWritetoFile").click();
    EXPECT_EQ(readBytes(existing), "keep me");
    standIns.messages.answers = {true};
    standIns.fileDialog.setNextFileName(existing);
    button(*window, "cmdWritetoFile").click();
    EXPECT_EQ(readBytes(existing),
              output::textReport(*window->grid().table(), window->grid().season()->caption()));

    // A refused name is refused without a question.
    standIns.messages.questions.clear();
    standIns.fileDialog.setNextFileName(memoryFile());
    button(*window, "cmdWriteCSV").click();
    EXPECT_TRUE(standIns.messages.questions.isEmpty());
    EXPECT_EQ(standIns.messages.texts.size(), 1);
}

TEST_F(WindowUse, F5ReadsTheFolderAndTheParksAgain) {
    const auto folder = makeSeason("season", seasonkit::syntheticSeason(3));
    std::filesystem::remove(folder / "dmborg.dat");
    auto window = startWindow();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    openFolder(*window, folder);
    EXPECT_FALSE(window->getParkInfoButton().isEnabled());

    seasonkit::writeSeason(folder, seasonkit::syntheticSeason(3));
    QTest::keyClick(window.get(), Qt::Key_F5);
    ASSERT_TRUE(window->getParkInfoButton().isEnabled()) << "the scan ran again";
    button(*window, "cmdGetParkInfo").click();
    EXPECT_EQ(window->grid().table()->parkCount(), 3);

    seasonkit::writeSeason(folder, seasonkit::syntheticSeason(5));
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_EQ(window->grid().table()->parkCount(), 5);
    EXPECT_TRUE(standIns.messages.texts.isEmpty());
}

TEST_F(WindowUse, SeasonOpensFromADataFileADropOrTheKeyboard) {
    const auto season = makeSeason("seasons/2031");
    const auto other = makeSeason("seasons/2032", seasonkit::syntheticSeason(2));
    writeBytes(tempRoot() / "notes.txt", "not a season");
    auto window = startWindow();

    window->openSeason(qpath(season / "dmbteam.dat"));
    EXPECT_EQ(window->folderList().path(), qpath(season));
    EXPECT_TRUE(window->getParkInfoButton().isEnabled());

    EXPECT_FALSE(drop(*window, {tempRoot() / "notes.txt"}));
    EXPECT_TRUE(drop(*window, {tempRoot() / "notes.txt", other / "dmbpark.dat"}));
    EXPECT_EQ(window->folderList().path(), qpath(other));

    QTest::keyClick(&window->folderList(), Qt::Key_Backspace);
    EXPECT_EQ(window->folderList().path(), qpath(tempRoot() / "seasons"));
    QTest::keyClick(&window->folderList(), Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(window->folderList().path(), qpath(tempRoot()));

    // The drive chosen again: its top.
    emit window->driveList().activated(window->driveList().currentIndex());
    EXPECT_EQ(window->folderList().path(), QStringLiteral("/"));

    window->openSeason(qpath(tempRoot() / "gone"));
    EXPECT_EQ(standIns.messages.texts.size(), 1);
}

TEST(CommandLine, ReadsAFolderHelpVersionAndMistakes) {
    using app::CommandLine;
    const auto parse = [](QStringList arguments) {
        arguments.prepend(QStringLiteral("vendrix"));
        return CommandLine::parse(arguments);
    };
    EXPECT_EQ(parse({}).action, CommandLine::Action::Run);
    EXPECT_EQ(parse({QStringLiteral("/s/2031")}).season, QStringLiteral("/s/2031"));
    EXPECT_EQ(parse({QStringLiteral("rel")}).season, QDir::current().absoluteFilePath(QStringLiteral("rel")));
    EXPECT_TRUE(parse({QStringLiteral("--from-menu")}).fromMenu);
    EXPECT_EQ(parse({QStringLiteral("-x"), QStringLiteral("--help")}).action, CommandLine::Action::Help);
    EXPECT_EQ(parse({QStringLiteral("--version")}).action, CommandLine::Action::Version);
    EXPECT_EQ(parse({QStringLiteral("-x")}).action, CommandLine::Action::Error);
    EXPECT_EQ(parse({QStringLiteral("a"), QStringLiteral("b")}).action, CommandLine::Action::Error);
    EXPECT_EQ(parse({QStringLiteral("--"), QStringLiteral("--help")}).season,
              QDir::current().absoluteFilePath(QStringLiteral("--help")));
}

TEST_F(WindowUse, WindowSharesItsSpaceAndShrinksWithoutHidingAButton) {
    auto window = startWindow();
    window->show();
    const QSize design = window->size();
    const QRect dir = window->folderList().geometry();
    const auto gapsAroundGrid = [&] {
        const QRect grid = window->grid().geometry();
        return QMargins(grid.left(), grid.top() - window->folderList().geometry().bottom(),
                        window->width() - grid.right(), button(*window, "cmdExit").y() - grid.bottom());
    };
    const QMargins designGaps = gapsAroundGrid();

    window->resize(design + QSize(600, 400));
    const QRect grown = window->folderList().geometry();
    EXPECT_EQ(grown.width(), dir.width() + 200);
    EXPECT_EQ(grown.height(), dir.height() + 100);
    EXPECT_EQ(gapsAroundGrid(), designGaps) << "the grid takes the rest";
    const QRect grid = window->grid().geometry();
    const QRect findArea = window->findArea().geometry();
    EXPECT_EQ(findArea.top(), grown.top());
    EXPECT_EQ(findArea.right(), grid.right()) << "the find area stays at the top right";
    EXPECT_GT(findArea.left(), window->fileList().geometry().right());
    EXPECT_EQ(window->findBar().geometry().top(), 0) << "the find field heads its area";

    EXPECT_LT(window->minimumWidth(), design.width());
    EXPECT_LT(window->minimumHeight(), design.height());
    window->resize(window->minimumSize());
    openFolder(*window, makeSeason("season"));
    EXPECT_GE(window->captionLabel().width(), window->captionLabel().sizeHint().width())
        << "the caption stays whole";
    int lastRight = 0;
    for (const char* name : {"cmdGetParkInfo", "cmdPrintInfo", "cmdWritetoFile", "cmdWriteCSV", "cmdExit"}) {
        const QPushButton& b = button(*window, name);
        EXPECT_TRUE(window->rect().contains(b.geometry())) << name;
        EXPECT_GE(b.width(), b.sizeHint().width()) << name;
        EXPECT_GT(b.x(), lastRight) << name;
        lastRight = b.geometry().right();
    }
    EXPECT_GT(window->grid().height(), 4 * window->grid().rowHeightPixels());
}

TEST_F(WindowUse, SizeAndPlaceComeBackAtTheNextStart) {
    const QString settingsFile = qpath(tempRoot() / "placement.ini");
    const QRect placed(40, 30, 700, 420);
    {
        auto window = startWindow();
        auto* placement = new app::WindowPlacement(
            *window, std::make_unique<QSettings>(settingsFile, QSettings::IniFormat));
        EXPECT_FALSE(placement->restore());
        window->show();
        window->setGeometry(placed);
        button(*window, "cmdExit").click();
    }
    auto window = startWindow();
    auto* placement =
        new app::WindowPlacement(*window, std::make_unique<QSettings>(settingsFile, QSettings::IniFormat));
    ASSERT_TRUE(placement->restore());
    window->show();
    EXPECT_EQ(window->geometry(), placed);
    EXPECT_EQ(readBytes(memoryFile()).find("placement"), std::string::npos)
        << "ParkDir.txt keeps only the folder";
}

TEST_F(WindowUse, FirstStartSaysWhatToOpen) {
    auto window = startWindow();
    window->show();
    auto* hint = window->findChild<gui::FirstStartHint*>();
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(
        hint->text(),
        QStringLiteral("Open a season folder: a folder holding dmbpark.dat, dmbteam.dat and dmborg.dat"));
    EXPECT_TRUE(window->grid().geometry().contains(hint->geometry()));
    openFolder(*window, makeSeason("season"));
    EXPECT_FALSE(hint->isVisible());
}

TEST_F(WindowUse, MenuStartKeepsTheMemoryInTheUsersDataFolder) {
    EXPECT_EQ(app::UserDataFolder::path(),
              QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                  QStringLiteral("/vendrix"));
    const QString folder = qpath(tempRoot() / "data" / "vendrix");
    EXPECT_EQ(app::UserDataFolder::enter(folder), std::nullopt);
    EXPECT_EQ(QDir::currentPath(), folder);
    auto window = startWindow();
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/ParkDir.txt")));
}

} // namespace
} // namespace vendrix::test
