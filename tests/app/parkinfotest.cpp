// The enabled-state rules, the accelerators and tab order, and Get Park Info into the grid.
#include "app/comparisoncontroller.h"
#include "gui/bridge/displaytext.h"
#include "gui/diagram/parkdiagrampanel.h"
#include "gui/filters/columnfilter.h"
#include "gui/filters/parkfilters.h"
#include "gui/folders/drivelist.h"
#include "gui/folders/filelist.h"
#include "gui/folders/folderlist.h"
#include "gui/grid/parkgrid.h"
#include "model/seasonloader.h"
#include "model/viewcolumns.h"
#include "parktable/parktable.h"
#include "seasonkit/changedseason.h"
#include "seasonmaker.h"
#include "windowtest.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace vendrix::test {
namespace {

using parktable::ParkTable;

struct ButtonStates {
    bool get, print, text, csv;
    bool operator==(const ButtonStates&) const = default;
};

void PrintTo(const ButtonStates& s, std::ostream* os) {
    *os << "{get " << s.get << ", print " << s.print << ", text " << s.text << ", csv " << s.csv << "}";
}

class ParkInfo : public WindowTest {
protected:
    ButtonStates states(const app::Form1& window) {
        return {button(window, "cmdGetParkInfo").isEnabled(), button(window, "cmdPrintInfo").isEnabled(),
                button(window, "cmdWritetoFile").isEnabled(), button(window, "cmdWriteCSV").isEnabled()};
    }
    // A button pressed by its accelerator shows itself pressed for a moment before it clicks.
    static void pressAlt(app::Form1& window, Qt::Key key) {
        QTest::keyClick(&window, key, Qt::AltModifier);
        QTest::qWait(150);
    }
    static void showActive(app::Form1& window) {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

TEST_F(ParkInfo, EnabledStatesFollowScansAndPresses) {
    const auto first = makeSeason("first");
    auto partial = seasonkit::sampleSeason();
    partial.orgs.clear();
    const auto incomplete = makeSeason("incomplete", partial);
    std::filesystem::remove(incomplete / "dmborg.dat");
    const auto second = makeSeason("second", seasonkit::syntheticSeason(5));

    auto window = startWindow();
    EXPECT_EQ(states(*window), (ButtonStates{false, false, false, false}));

    openFolder(*window, incomplete);
    EXPECT_EQ(states(*window), (ButtonStates{false, false, false, false}));
    EXPECT_TRUE(window->captionLabel().text().isEmpty());
    EXPECT_TRUE(button(*window, "cmdGetParkInfo").toolTip().contains(QStringLiteral("dmborg.dat")));

    openFolder(*window, first);
    EXPECT_EQ(states(*window), (ButtonStates{true, false, false, false}));
    const QString firstCaption = window->captionLabel().text();

    button(*window, "cmdGetParkInfo").click();
    EXPECT_EQ(states(*window), (ButtonStates{false, true, true, true}));

    // An incomplete folder: Get Park Info off, the outputs and the caption as they were.
    openFolder(*window, incomplete);
    EXPECT_EQ(states(*window), (ButtonStates{false, true, true, true}));
    EXPECT_EQ(window->captionLabel().text(), firstCaption);

    openFolder(*window, second);
    EXPECT_EQ(states(*window), (ButtonStates{true, true, true, true}));
    EXPECT_NE(window->captionLabel().text(), firstCaption);
}

TEST_F(ParkInfo, AcceleratorsPressOnlyEnabledButtons) {
    const auto season = makeSeason("keys");
    auto window = startWindow();
    showActive(*window);

    // All disabled: nothing happens.
    for (const Qt::Key key : {Qt::Key_G, Qt::Key_P, Qt::Key_W, Qt::Key_C})
        pressAlt(*window, key);
    EXPECT_EQ(window->grid().table(), nullptr);
    EXPECT_TRUE(standIns.fileDialog.filtersAsked.isEmpty());
    EXPECT_TRUE(standIns.printer.hourglassShown.empty());

    openFolder(*window, season);
    pressAlt(*window, Qt::Key_G);
    ASSERT_NE(window->grid().table(), nullptr);
    EXPECT_FALSE(button(*window, "cmdGetParkInfo").isEnabled());

    pressAlt(*window, Qt::Key_C);
    pressAlt(*window, Qt::Key_W);
    EXPECT_EQ(standIns.fileDialog.filtersAsked,
              QStringList({QStringLiteral("CSV (*.csv)|*.csv"), QStringLiteral("Text (*.txt)|*.txt")}));
    pressAlt(*window, Qt::Key_P);
    EXPECT_EQ(standIns.printer.printed.size(), 1u);

    QSignalSpy exits(window.get(), &app::Form1::exitRequested);
    pressAlt(*window, Qt::Key_X);
    EXPECT_EQ(exits.count(), 1);
}

TEST_F(ParkInfo, TabWalksEveryControlInReadingOrderAndShiftTabWalksBack) {
    // Every kind of stop there is: a season compared with another (its line above the table can be
    // clicked), a filter's chip, the diagram beside the table, every button enabled.
    auto window = startWindow();
    openFolder(*window, makeSeason("2032", seasonkit::changedSampleSeason()));
    button(*window, "cmdGetParkInfo").click();
    ScriptedFolderDialog folders;
    folders.answers.push_back(makeSeason("2031"));
    window->comparison().setFolderDialog(folders);
    window->comparison().chooseAndCompare();
    window->filters().apply(
        *gui::ColumnFilter::words(parktable::col::firstAttribute, {QStringLiteral("Dome")}));
    window->diagramPanel().showAction().trigger();
    for (const char* name : {"cmdGetParkInfo", "cmdPrintInfo", "cmdWritetoFile", "cmdWriteCSV"})
        button(*window, name).setEnabled(true);
    showActive(*window);

    const auto walk = [&](Qt::KeyboardModifiers modifiers) {
        window->driveList().setFocus();
        QStringList visited;
        for (int i = 0; i < 40 && (visited.isEmpty() || !window->driveList().hasFocus()); ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        }
        return visited;
    };
    const QStringList forward = walk(Qt::NoModifier);
    EXPECT_EQ(forward.join(QLatin1Char(' ')),
              QStringLiteral("Drive1 Dir1 File1 findField onlyDifferingToggle filterChip comparisonSummary "
                             "grdParks cmdGetParkInfo cmdPrintInfo cmdPrintMore cmdWritetoFile cmdWriteCSV "
                             "cmdExit"));
    QStringList backward = walk(Qt::ShiftModifier);
    std::reverse(backward.begin() + 1, backward.end());
    EXPECT_EQ(backward, forward);
    // Nothing that takes the keyboard is left out of the walk.
    for (const QWidget* control : window->findChildren<QWidget*>())
        if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(window.get()) &&
            control->isEnabled())
            EXPECT_TRUE(window->tabStopsInReadingOrder().contains(control))
                << control->objectName().toStdString();
}

TEST_F(ParkInfo, GetParkInfoShowsEveryParkUnderMergedGroupCaptions) {
    const auto season = makeSeason("shown");
    auto window = startWindow();
    const gui::ParkGrid& grid = window->grid();
    EXPECT_EQ(grid.model()->rowCount(), 2);
    EXPECT_EQ(grid.model()->columnCount(), 2);

    openFolder(*window, season);
    button(*window, "cmdGetParkInfo").click();
    ASSERT_NE(grid.table(), nullptr);
    const model::SeasonBuild expected =
        model::buildSeason(window->lastScan(), season, season / "dmbpark.dat");
    ASSERT_TRUE(expected.built());
    EXPECT_EQ(cellsOf(*grid.table()), cellsOf(parktable::ParkTable(*expected.season)));
    const int parks = expected.season->parkCount();
    EXPECT_EQ(grid.model()->rowCount(), parks + 2);
    // The table's 35 columns, then the view's own (Fly ball, Shape HR), which no output writes.
    EXPECT_EQ(grid.model()->columnCount(), model::kShownColumnCount);
    EXPECT_EQ(window->parkFilePath(), season / "dmbpark.dat");

    // Each group caption once, over its columns; the plain columns stand alone.
    const QTableView& captions = grid.captionPane();
    const std::vector<std::pair<int, int>> groups{
        {3, 7}, {10, 7}, {17, 4}, {21, 4}, {model::viewcol::shapeLHB, 2}};
    for (const auto& [column, span] : groups) {
        EXPECT_EQ(captions.columnSpan(0, column), span) << column;
        EXPECT_EQ(captions.rowSpan(0, column), 1);
    }
    EXPECT_EQ(grid.parkModel().cellText(0, 3), QStringLiteral("Fence Distance"));
    EXPECT_EQ(grid.parkModel().cellText(1, 4), QStringLiteral("LF "));
    EXPECT_EQ(captions.columnSpan(1, 3), 1) << "only the group-caption row merges";

    // The fixed rows and column belong to the panes; the view scrolls the rest.
    EXPECT_TRUE(grid.isRowHidden(0) && grid.isRowHidden(1) && grid.isColumnHidden(0));
    EXPECT_FALSE(grid.isRowHidden(2));
    EXPECT_FALSE(grid.columnPane().isColumnHidden(0));
    EXPECT_TRUE(grid.columnPane().isRowHidden(1));
    EXPECT_EQ(grid.columnWidth(1), grid.columnWidthPixels(1));
    EXPECT_EQ(grid.columnWidthPixels(0), qRound(2000 * grid.logicalDpiX() / 1440.0));
    EXPECT_EQ(grid.columnWidthPixels(3), qRound(450 * grid.logicalDpiX() / 1440.0));
    EXPECT_EQ(grid.font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(grid.font().pointSizeF(), 7.0);
    EXPECT_EQ(grid.rowHeight(parks + 1), grid.rowHeight(2));

    const QAbstractItemModel& model = *grid.model();
    EXPECT_EQ(model.index(2, 2).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    EXPECT_EQ(model.index(2, 5).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignTop));
    EXPECT_FALSE(model.index(2, 0).data(Qt::TextAlignmentRole).isValid());
    EXPECT_TRUE(model.index(2, 0).flags() & Qt::ItemIsSelectable) << "the park name can be selected";
    EXPECT_TRUE(model.index(2, 1).flags() & Qt::ItemIsSelectable);
}

TEST_F(ParkInfo, ParkNamesShowTheirCodePageCharacters) {
    auto content = seasonkit::syntheticSeason(1);
    content.parks.front().record.parkName = "Caf\xE9 \x80 Field";
    const auto season = makeSeason("names", content);
    auto window = startWindow();
    openFolder(*window, season);
    button(*window, "cmdGetParkInfo").click();
    ASSERT_NE(window->grid().table(), nullptr);
    EXPECT_EQ(window->grid().table()->cell(2, 0).substr(0, 12), "Caf\xE9 \x80 Field");
    EXPECT_EQ(window->grid().parkModel().cellText(2, 0).trimmed(), QString::fromUtf8("Café € Field"));
    EXPECT_EQ(gui::fromWindows1252("\x9C\x81"), QString::fromUtf8("\u0153\u0081"));
}

TEST_F(ParkInfo, ParkFileDeletedAfterTheScanGivesItsMessageAndStillEnablesTheOutputs) {
    const auto season = makeSeason("deleted");
    const auto second = makeSeason("second", seasonkit::syntheticSeason(3));
    auto window = startWindow();

    openFolder(*window, second);
    button(*window, "cmdGetParkInfo").click();
    ASSERT_NE(window->grid().table(), nullptr);
    const std::vector<std::string> before = cellsOf(*window->grid().table());

    openFolder(*window, season);
    std::filesystem::remove(season / "dmbpark.dat");
    button(*window, "cmdGetParkInfo").click();
    EXPECT_EQ(standIns.messages.texts, QStringList{QStringLiteral("No Park File to Process")});
    EXPECT_FALSE(button(*window, "cmdGetParkInfo").isEnabled());
    EXPECT_TRUE(button(*window, "cmdPrintInfo").isEnabled());
    EXPECT_TRUE(button(*window, "cmdWritetoFile").isEnabled());
    EXPECT_TRUE(button(*window, "cmdWriteCSV").isEnabled());
    EXPECT_EQ(cellsOf(*window->grid().table()), before) << "the table stays as it was";
}

TEST_F(ParkInfo, SecondBuildLeavesNothingOfTheFirst) {
    const auto big = makeSeason("big", seasonkit::syntheticSeason(40));
    const auto small = makeSeason("small", seasonkit::syntheticSeason(2));
    auto window = startWindow();
    openFolder(*window, big);
    button(*window, "cmdGetParkInfo").click();
    EXPECT_EQ(window->grid().model()->rowCount(), 42);
    openFolder(*window, small);
    button(*window, "cmdGetParkInfo").click();
    EXPECT_EQ(window->grid().model()->rowCount(), 4);
    EXPECT_EQ(window->grid().captionPane().columnSpan(0, 3), 7);
}

TEST_F(ParkInfo, WindowGrowsTheTableAndKeepsTheRows) {
    auto window = startWindow();
    window->show();
    const double scale = window->logicalDpiX() / 96.0;
    EXPECT_EQ(window->size(), QSize(qRound(832 * scale), qRound(458 * scale)));
    const QRect grid = window->grid().geometry();
    const QRect drive = window->driveList().geometry();
    const QRect exit = button(*window, "cmdExit").geometry();
    EXPECT_EQ(grid, QRect(qRound(8 * scale), qRound(128 * scale), qRound(817 * scale), qRound(265 * scale)));
    EXPECT_EQ(exit.topLeft(), QPoint(qRound(656 * scale), qRound(408 * scale)));

    window->resize(window->width() + 200, window->height() + 100);
    // The picker row takes a quarter of the extra height, the table the rest.
    EXPECT_EQ(window->grid().geometry(), grid.adjusted(0, 25, 200, 100));
    EXPECT_EQ(button(*window, "cmdExit").geometry(), exit.translated(200, 100));
    EXPECT_EQ(window->driveList().geometry().size(), drive.size() + QSize(200 / 6, 0));
}

} // namespace
} // namespace vendrix::test
