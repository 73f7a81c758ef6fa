// The park diagram panel as the user drives it: F4, moving through the table, comparing, saving.
#include "gui/diagram/parkdiagrampanel.h"
#include "gui/grid/parkgrid.h"
#include "model/parknames.h"
#include "windowtest.h"

#include <QAction>
#include <QImage>
#include <QTest>

namespace vendrix::test {
namespace {

class DiagramPanel : public WindowTest {
protected:
    std::unique_ptr<app::Form1> windowWithTable() {
        auto window = startWindow();
        window->show();
        window->activateWindow(); // F4 is a shortcut of the active window
        if (!QTest::qWaitForWindowActive(window.get()))
            throw std::runtime_error("the window did not become active");
        openFolder(*window, makeSeason("season"));
        button(*window, "cmdGetParkInfo").click();
        if (!window->grid().table())
            throw std::runtime_error("no table was built");
        return window;
    }
    static void moveTo(app::Form1& window, int tableRow) {
        gui::ParkGrid& grid = window.grid();
        grid.setCurrentIndex(grid.model()->index(tableRow, 3));
    }
    static QString nameShown(const app::Form1& window) {
        return QString::fromStdString(window.diagramPanel().diagram()->name);
    }
};

TEST_F(DiagramPanel, F4ShowsThePanelBesideTheTableAndItFollowsTheCurrentRow) {
    auto window = windowWithTable();
    gui::ParkDiagramPanel& panel = window->diagramPanel();
    const int fullWidth = window->grid().width();
    EXPECT_FALSE(panel.isVisible());
    // The grid's context menu offers the panel.
    EXPECT_TRUE(window->grid().actions().contains(&panel.showAction()));

    QTest::keyClick(window.get(), Qt::Key_F4);
    EXPECT_TRUE(panel.isVisible());
    EXPECT_LT(window->grid().width(), fullWidth);
    EXPECT_FALSE(panel.geometry().intersects(window->grid().geometry()));
    ASSERT_TRUE(panel.diagram());
    EXPECT_EQ(nameShown(*window), QStringLiteral("Gullwing Field")); // the first park before any move

    moveTo(*window, 4);
    EXPECT_EQ(window->grid().currentTableRow(), 4);
    EXPECT_EQ(nameShown(*window), QString::fromStdString(model::shownName(window->grid().table()->park(4))));
    EXPECT_EQ(panel.diagram()->measures.distance,
              parkshape::measuresOf(window->grid().table()->park(4)).distance);
    EXPECT_FALSE(panel.grab().isNull());

    QTest::keyClick(window.get(), Qt::Key_F4);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(window->grid().width(), fullWidth);
}

TEST_F(DiagramPanel, ComparedParkStaysOverEveryParkShownUntilStoppedOrANewTable) {
    auto window = windowWithTable();
    gui::ParkDiagramPanel& panel = window->diagramPanel();
    moveTo(*window, 6);
    const QString compared = nameShown(*window);
    panel.compareAction().trigger();
    EXPECT_TRUE(panel.isVisible()); // comparing shows the panel
    moveTo(*window, 3);
    ASSERT_TRUE(panel.diagram()->compared);
    EXPECT_EQ(QString::fromStdString(panel.diagram()->compared->name), compared);
    EXPECT_NE(nameShown(*window), compared);

    panel.stopComparingAction().trigger();
    EXPECT_FALSE(panel.diagram()->compared);
    panel.compareAction().trigger();
    button(*window, "cmdGetParkInfo").setEnabled(true);
    button(*window, "cmdGetParkInfo").click(); // a new table: nothing of the old comparison stays
    EXPECT_FALSE(panel.diagram()->compared);
}

// The dialog opens on "Park Name.svg" in the season's folder; a name typed without an extension gets
// the file type's, so the saved file opens by a double click; a PNG at 2x has twice the panel's pixels.
TEST_F(DiagramPanel, SavesTheDiagramShownAsTheChosenTypeAndCancelWritesNothing) {
    auto window = windowWithTable();
    gui::ParkDiagramPanel& panel = window->diagramPanel();
    QTest::keyClick(window.get(), Qt::Key_F4);
    moveTo(*window, 5);
    const auto folder = tempRoot() / "saved";
    std::filesystem::create_directory(folder);
    standIns.fileDialog.setNextFileName(folder / "park"); // typed without an extension
    panel.saveSvg();
    standIns.fileDialog.setNextFileName(folder / "park.png");
    panel.setPngScale(2);
    panel.savePng();
    panel.saveSvg(); // cancelled

    EXPECT_EQ(standIns.fileDialog.filtersAsked,
              (QStringList{"SVG image (*.svg)|*.svg", "PNG image (*.png)|*.png", "SVG image (*.svg)|*.svg"}));
    ASSERT_EQ(standIns.fileDialog.suggestions.size(), 3u);
    EXPECT_EQ(standIns.fileDialog.suggestions[0].filename(),
              std::filesystem::path((nameShown(*window) + ".svg").toStdU16String()));
    EXPECT_EQ(standIns.fileDialog.suggestions[1].extension(), ".png");
    EXPECT_EQ(standIns.fileDialog.suggestions[0].parent_path().filename(), "season");
    const std::string svgBytes = readBytes(folder / "park.svg");
    EXPECT_TRUE(svgBytes.starts_with("<?xml"));
    EXPECT_NE(svgBytes.find("<title>" + nameShown(*window).toStdString() + "</title>"), std::string::npos);
    QImage png;
    ASSERT_TRUE(png.load(QString::fromStdU16String((folder / "park.png").u16string())));
    EXPECT_EQ(png.size(), panel.size() * 2);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 2);
    EXPECT_TRUE(standIns.messages.texts.isEmpty());

    standIns.fileDialog.setNextFileName(folder / "missing-folder" / "park.svg");
    panel.saveSvg();
    EXPECT_EQ(standIns.messages.texts.size(), 1); // the failure is told, not swallowed
}

// Switching the league average off takes its outline out of the panel and of what is saved.
TEST_F(DiagramPanel, LeagueAverageOutlineCanBeSwitchedOff) {
    auto window = windowWithTable();
    gui::ParkDiagramPanel& panel = window->diagramPanel();
    QTest::keyClick(window.get(), Qt::Key_F4);
    const auto folder = tempRoot();
    standIns.fileDialog.setNextFileName(folder / "with.svg");
    panel.saveSvg();
    panel.averageAction().setChecked(false);
    standIns.fileDialog.setNextFileName(folder / "without.svg");
    panel.saveSvg();
    EXPECT_NE(readBytes(folder / "with.svg").find("League average"), std::string::npos);
    EXPECT_EQ(readBytes(folder / "without.svg").find("League average"), std::string::npos);
    EXPECT_EQ(readBytes(folder / "without.svg").find("stroke-dasharray"), std::string::npos);
}

} // namespace
} // namespace vendrix::test
