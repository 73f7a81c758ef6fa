// The park grid as a user works it: sorting, finding, colours, tooltips, the League average row,
// the one selection with copying, rows that scroll into view whole, and the desktop's colours.
#include "gui/grid/parkgrid.h"

#include "app/usersettings.h"
#include "gui/grid/factortint.h"
#include "gui/grid/gridcelldelegate.h"
#include "gui/grid/leagueaveragemodel.h"
#include "gui/grid/parkfindbar.h"
#include "gui/grid/parkrowproxy.h"
#include "parktable/parktable.h"
#include "seasonmaker.h"
#include "windowtest.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace vendrix::test {
namespace {

namespace col = parktable::col;
using gui::ParkGrid;

// Six parks whose names differ in case and whose HR factors for left-handed batters tie, run past
// 100 and hold the nonsense a damaged file may hold.
seasonkit::SeasonContent oddSeason() {
    auto content = seasonkit::syntheticSeason(6);
    const std::array<const char*, 6> names{"beta", "Alpha", "gamma", "alpha", "Delta", "epsilon"};
    const std::array<std::int16_t, 6> homeRuns{100, 9, 112, 100, 32767, -1};
    const std::array<std::int16_t, 6> leftLine{330, -1, 0, 32767, 325, 340};
    for (std::size_t i = 0; i < 6; ++i) {
        auto& record = content.parks[i].record;
        record.parkName = names[i];
        record.factorsLHB[3] = homeRuns[i];
        record.fenceDistance[0] = leftLine[i];
    }
    return content;
}

class Grid : public WindowTest {
protected:
    // A grid on its own, shown, holding the parks of the season.
    std::unique_ptr<ParkGrid> gridOf(const seasonkit::SeasonContent& content, QSize size = {600, 300}) {
        const auto season = makeSeason("grid", content);
        model::Season parks = test::seasonOfParkFile(season / "dmbpark.dat");
        auto grid = std::make_unique<ParkGrid>();
        grid->resize(size);
        grid->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
        grid->setSeason(std::move(parks));
        return grid;
    }
    // The park table rows in the order the grid shows them.
    static std::vector<int> shownOrder(const ParkGrid& grid) {
        std::vector<int> rows;
        const auto& shown = grid.shownRows();
        for (int row = 0; row < shown.rowCount(); ++row)
            rows.push_back(shown.mapToSource(shown.index(row, 0)).row());
        return rows;
    }
    static void clickCaption(ParkGrid& grid, int column) {
        const QTableView& pane = grid.captionPane();
        const QRect cell = pane.visualRect(pane.model()->index(parktable::kColumnCaptionRow, column));
        QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, cell.center());
    }
};

TEST_F(Grid, ModelsStaySoundThroughSortFindAndNewTables) {
    auto grid = gridOf(oddSeason());
    QAbstractItemModelTester parks(
        const_cast<QAbstractItemModel*>(static_cast<const QAbstractItemModel*>(&grid->parkModel())),
        QAbstractItemModelTester::FailureReportingMode::Fatal);
    QAbstractItemModelTester shown(
        const_cast<QAbstractItemModel*>(static_cast<const QAbstractItemModel*>(&grid->shownRows())),
        QAbstractItemModelTester::FailureReportingMode::Fatal);
    QAbstractItemModelTester foot(
        const_cast<QAbstractItemModel*>(static_cast<const QAbstractItemModel*>(&grid->leagueAverage())),
        QAbstractItemModelTester::FailureReportingMode::Fatal);
    for (int column : {col::parkName, col::firstFenceDistance, col::firstFactorLHB + 3, col::firstAttribute})
        for (int clicks = 0; clicks < 3; ++clicks)
            grid->activateCaption(column);
    grid->activateCaption(col::firstFenceDistance);
    grid->setFindText(QStringLiteral("A"));
    grid->setCellNotes({});
    grid->factorColourAction().toggle();
    grid->factorColourAction().toggle();
    // A new table under a live sort and find, bigger and then without parks.
    grid->setSeason(
        test::seasonOfParkFile(makeSeason("big", seasonkit::syntheticSeason(40)) / "dmbpark.dat"));
    EXPECT_EQ(grid->shownRows().parkCount(), 40);
    grid->setSeason(model::Season());
    EXPECT_EQ(grid->shownRows().rowCount(), 2);
    grid->setFindText({});
    grid->activateCaption(col::year);
}

TEST_F(Grid, CaptionClicksSortUpDownAndBackWithTiesInFileOrder) {
    auto grid = gridOf(oddSeason());
    const int hr = col::firstFactorLHB + 3;
    EXPECT_EQ(shownOrder(*grid), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));

    // Numbers as numbers, equal values in file order whichever way.
    clickCaption(*grid, hr);
    EXPECT_EQ(shownOrder(*grid), (std::vector<int>{0, 1, 7, 3, 2, 5, 4, 6}));
    EXPECT_EQ(grid->shownRows().index(1, hr).data().toString(), QStringLiteral("HR\u25B2"));
    clickCaption(*grid, hr);
    EXPECT_EQ(shownOrder(*grid), (std::vector<int>{0, 1, 6, 4, 2, 5, 3, 7}));
    EXPECT_EQ(grid->shownRows().index(1, hr).data().toString(), QStringLiteral("HR\u25BC"));
    clickCaption(*grid, hr);
    EXPECT_EQ(shownOrder(*grid), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(grid->shownRows().index(1, hr).data().toString(), QStringLiteral("HR"));

    // Names ignoring case, from the keyboard on the caption cell.
    grid->setFocus();
    grid->selectionModel()->setCurrentIndex(grid->shownRows().index(2, col::parkName),
                                            QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(grid.get(), Qt::Key_Up);
    EXPECT_EQ(grid->currentIndex().row(), parktable::kColumnCaptionRow);
    QTest::keyClick(grid.get(), Qt::Key_Space);
    EXPECT_EQ(shownOrder(*grid), (std::vector<int>{0, 1, 3, 5, 2, 6, 7, 4}));
    QTest::keyClick(grid.get(), Qt::Key_Return);
    EXPECT_EQ(shownOrder(*grid), (std::vector<int>{0, 1, 4, 7, 6, 2, 3, 5}));

    // Nonsense distances sort as stored; the caption rows stay hidden from the scrolling part.
    clickCaption(*grid, col::firstFenceDistance);
    EXPECT_EQ(shownOrder(*grid), (std::vector<int>{0, 1, 3, 4, 6, 2, 7, 5}));
    EXPECT_TRUE(grid->isRowHidden(0) && grid->isRowHidden(1));
    EXPECT_FALSE(grid->isRowHidden(2));
}

TEST_F(Grid, FindKeepsMatchingParksAndCombinesWithSort) {
    const auto season = makeSeason("find", seasonkit::sampleSeason());
    auto window = startWindow();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    openFolder(*window, season);
    button(*window, "cmdGetParkInfo").click();
    ParkGrid& grid = window->grid();
    QLineEdit& field = window->findBar().field();
    EXPECT_EQ(window->findBar().countLabel().text(), QStringLiteral("32 of 32 parks"));

    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(field.hasFocus());
    QTest::keyClicks(&field, QStringLiteral("FIELD"));
    const auto& shown = grid.shownRows();
    const int found = shown.shownParkCount();
    EXPECT_GT(found, 0);
    EXPECT_LT(found, 32);
    EXPECT_EQ(window->findBar().countLabel().text(), QStringLiteral("%1 of 32 parks").arg(found));
    for (int row = 2; row < shown.rowCount(); ++row)
        EXPECT_TRUE(shown.index(row, col::parkName)
                        .data()
                        .toString()
                        .contains(QStringLiteral("field"), Qt::CaseInsensitive));
    // A team name finds its park too; sorting keeps the choice.
    field.setText(QStringLiteral("harbor city"));
    EXPECT_EQ(shown.shownParkCount(), 1);
    EXPECT_TRUE(grid.isRowHidden(0) && grid.isRowHidden(1) && !grid.isRowHidden(2)) << "captions stay fixed";
    EXPECT_TRUE(grid.columnPane().isRowHidden(1) && !grid.columnPane().isRowHidden(2));
    field.setText(QStringLiteral("o"));
    const int withO = shown.shownParkCount();
    grid.activateCaption(col::firstFactorLHB + 3);
    EXPECT_EQ(shown.shownParkCount(), withO);
    for (int row = 3; row < shown.rowCount(); ++row)
        EXPECT_LE(shown.index(row - 1, col::firstFactorLHB + 3).data().toInt(),
                  shown.index(row, col::firstFactorLHB + 3).data().toInt());

    QTest::keyClick(&field, Qt::Key_Escape);
    EXPECT_TRUE(field.text().isEmpty());
    EXPECT_EQ(shown.shownParkCount(), 32);
}

TEST_F(Grid, OutputsKeepFileOrderAndBytesWhateverTheGridShows) {
    const auto season = makeSeason("outputs", seasonkit::sampleSeason());
    auto window = startWindow();
    openFolder(*window, season);
    button(*window, "cmdGetParkInfo").click();
    window->grid().activateCaption(col::firstFactorRHB + 3);
    window->grid().activateCaption(col::firstFactorRHB + 3);
    window->findBar().field().setText(QStringLiteral("a"));
    ASSERT_LT(window->grid().shownRows().shownParkCount(), 32);
    standIns.fileDialog.setNextFileName(workFolder() / "parks.csv");
    button(*window, "cmdWriteCSV").click();
    EXPECT_EQ(readBytes(workFolder() / "parks.csv"),
              readBytes(std::filesystem::path(VENDRIX_TEST_GOLDEN_DIR) / "northwind-2031.csv"));
}

TEST_F(Grid, OneSelectionAcrossTheFixedColumnCopiesWhatIsShown) {
    auto content = oddSeason();
    content.parks[1].record.parkName = "Caf\xE9 \x80\tField"; // a TAB byte must not split the line
    auto grid = gridOf(content);
    grid->activateCaption(col::firstFactorLHB + 3); // shown: -1, 9, 100, 100, 112, 32767
    grid->setFocus();
    QSignalSpy rows(grid.get(), &ParkGrid::currentTableRowChanged);

    QTest::keyClick(grid.get(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(grid->currentIndex().column(), col::parkName);
    EXPECT_EQ(grid->currentTableRow(), 7);
    QTest::keyClick(grid.get(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(grid.get(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid->currentTableRow(), 3);
    EXPECT_EQ(rows.count(), 2);
    EXPECT_TRUE(grid->columnPane().selectionModel()->isSelected(grid->shownRows().index(2, col::parkName)));
    grid->copySelection();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("epsilon\t\nCaf\u00E9 \u20AC Field\t\n"));

    // A click in the fixed column starts anew there, Shift+click in the scrolling part extends it.
    const QTableView& names = grid->columnPane();
    QTest::mouseClick(names.viewport(), Qt::LeftButton, {},
                      names.visualRect(grid->shownRows().index(4, 0)).center());
    EXPECT_EQ(grid->currentTableRow(), 2);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      grid->visualRect(grid->shownRows().index(5, col::year)).center());
    EXPECT_EQ(grid->selectedText().count(QLatin1Char('\n')), 2);
    EXPECT_TRUE(grid->selectedText().startsWith(QStringLiteral("beta\t\t")));

    QTest::keyClick(grid.get(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(grid.get(), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines =
        QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines.front().split(QLatin1Char('\t')).size(), 33);
    EXPECT_TRUE(lines.front().startsWith(QStringLiteral("epsilon\t")));
    EXPECT_TRUE(lines.back().startsWith(QStringLiteral("Delta\t")));

    // The chosen parks stay chosen through a sort and a find, in their new places.
    grid->activateCaption(col::parkName); // alpha, beta, Cafe, Delta, epsilon, gamma
    EXPECT_TRUE(grid->selectedText().startsWith(QStringLiteral("alpha\t")));
    EXPECT_EQ(grid->selectedText().count(QLatin1Char('\n')), 6);
    grid->setFindText(QStringLiteral("ta"));
    EXPECT_TRUE(grid->selectedText().startsWith(QStringLiteral("beta\t")));
    EXPECT_EQ(grid->selectedText().count(QLatin1Char('\n')), 2);

    // The current park goes away when the find leaves it out.
    grid->setFindText(QStringLiteral("zzz"));
    EXPECT_EQ(grid->currentTableRow(), -1);
    EXPECT_EQ(rows.last().at(0).toInt(), -1);
}

TEST_F(Grid, EveryRowScrollsIntoViewWholeAtAnySize) {
    for (const QSize size : {QSize(300, 120), QSize(640, 333), QSize(900, 701)}) {
        auto grid = gridOf(seasonkit::syntheticSeason(300), size);
        grid->setFocus();
        QScrollBar& bar = *grid->verticalScrollBar();
        const int room = grid->viewport()->height() - grid->footPane().height();
        EXPECT_GE(grid->footPane().height(), grid->rowHeightPixels());
        EXPECT_EQ(room % grid->rowHeightPixels(), 0) << "no park row is cut at the foot";
        const int last = grid->shownRows().rowCount() - 1;
        const auto wholeRowsInView = [&] {
            const int top = grid->rowAt(0);
            EXPECT_EQ(grid->rowViewportPosition(top), 0) << "the top row is whole, not under the captions";
            EXPECT_EQ(grid->columnPane().rowAt(0), top) << "names beside their rows";
        };
        // Wherever the scroll bar is dragged, the rows stop whole.
        for (const int value :
             {bar.minimum(), bar.minimum() + 1, bar.maximum() / 2 + 3, bar.maximum() - 1, bar.maximum()}) {
            bar.setValue(value);
            wholeRowsInView();
        }
        EXPECT_EQ(grid->rowViewportPosition(last) + grid->rowHeight(last), room) << "last row above the foot";
        EXPECT_EQ(grid->columnPane().geometry().height(), room);

        QTest::keyClick(grid.get(), Qt::Key_Home, Qt::ControlModifier);
        EXPECT_EQ(grid->rowAt(0), parktable::kFirstParkRow);
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(grid.get(), Qt::Key_PageDown);
            const int row = grid->currentIndex().row();
            EXPECT_GE(grid->rowViewportPosition(row), 0);
            EXPECT_LE(grid->rowViewportPosition(row) + grid->rowHeight(row), room);
            wholeRowsInView();
        }
        QTest::keyClick(grid.get(), Qt::Key_End, Qt::ControlModifier);
        EXPECT_EQ(grid->rowViewportPosition(last) + grid->rowHeight(last), room);
        EXPECT_EQ(grid->currentIndex().column(), grid->model()->columnCount() - 1);
    }
}

TEST_F(Grid, TooltipsTellMeaningRankAndTheWholeText) {
    auto grid = gridOf(oddSeason());
    const auto& shown = grid->shownRows();
    const int hr = col::firstFactorLHB + 3;
    EXPECT_EQ(shown.index(1, col::firstFenceDistance).data(Qt::ToolTipRole).toString(),
              QStringLiteral("LFL: distance to the fence at the left-field line, feet"));
    EXPECT_EQ(
        shown.index(1, hr).data(Qt::ToolTipRole).toString(),
        QStringLiteral("HR (Factors LHB): home-run park factor for left-handed batters, 100 = neutral"));
    for (int column = 0; column <= col::lastCaptioned; ++column)
        EXPECT_FALSE(shown.index(1, column).data(Qt::ToolTipRole).toString().isEmpty()) << column;
    // 112 among 100, 9, 112, 100, 32767 (a factor of -1 cannot be real: it is ranked nowhere); equal
    // values share their rank.
    EXPECT_EQ(shown.index(4, hr).data(Qt::ToolTipRole).toString(),
              QStringLiteral("HR, LHB: 112 (12 above neutral), 2nd highest of 5 parks; league mean 6617.6"));
    EXPECT_TRUE(shown.index(5, hr).data(Qt::ToolTipRole).toString().contains(QStringLiteral("3rd highest")));
    EXPECT_TRUE(shown.index(2, hr).data(Qt::ToolTipRole).toString().contains(QStringLiteral("3rd highest")));
    EXPECT_FALSE(shown.index(2, col::firstAttribute).data(Qt::ToolTipRole).isValid());

    // The foot row: the mean of every number column with one decimal, without the values that cannot
    // be real (a factor of -1; distances of -1, 0 and 32767).
    const auto& foot = grid->leagueAverage();
    EXPECT_EQ(foot.index(0, 0).data().toString(), QStringLiteral("League average"));
    EXPECT_EQ(foot.index(0, hr).data().toString(), QStringLiteral("6617.6"));
    EXPECT_EQ(foot.index(0, col::firstFenceDistance).data().toString(), QStringLiteral("331.7"));
    EXPECT_FALSE(foot.index(0, col::firstAttribute).data().isValid());

    // A narrow column shows its whole text first in the tooltip; a wide one does not.
    gui::GridCellDelegate delegate(*grid, false, nullptr);
    QStyleOptionViewItem option;
    option.initFrom(grid->viewport());
    option.font = grid->font();
    option.fontMetrics = QFontMetrics(grid->font());
    option.rect = QRect(0, 0, 12, grid->rowHeightPixels());
    const QModelIndex team = shown.index(2, col::parkName);
    EXPECT_TRUE(delegate.toolTip(option, team).startsWith(team.data().toString().trimmed()));
    option.rect.setWidth(grid->columnPane().columnWidth(col::parkName));
    EXPECT_EQ(delegate.toolTip(option, team), QString());

    // Double-click fitting: the widest text fits, the caption's edge dragged widens.
    grid->setColumnWidthEverywhere(col::parkName, 10);
    grid->fitColumn(col::parkName);
    option.rect.setWidth(grid->columnPane().columnWidth(col::parkName));
    EXPECT_TRUE(delegate.toolTip(option, team).isEmpty());
    EXPECT_LT(option.rect.width(), grid->columnWidthPixels(col::parkName)) << "fits the longest, not more";
    EXPECT_EQ(grid->columnPane().geometry().width(), option.rect.width());
    QTableView& captions = const_cast<QTableView&>(grid->captionPane());
    const int before = captions.columnWidth(col::year);
    const QRect year = captions.visualRect(shown.index(1, col::year));
    const QPoint edge(year.right(), year.center().y());
    QTest::mousePress(captions.viewport(), Qt::LeftButton, {}, edge);
    QMouseEvent move(QEvent::MouseMove, QPointF(edge + QPoint(30, 0)),
                     QPointF(captions.viewport()->mapToGlobal(edge + QPoint(30, 0))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(captions.viewport(), &move);
    QTest::mouseRelease(captions.viewport(), Qt::LeftButton, {}, edge + QPoint(30, 0));
    EXPECT_EQ(captions.columnWidth(col::year), before + 30);
    EXPECT_EQ(grid->columnWidth(col::year), before + 30);
    EXPECT_EQ(shownOrder(*grid), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7})) << "a drag does not sort";
}

TEST_F(Grid, FactorColoursDivergeFromNeutralAndCanBeSwitchedOff) {
    EXPECT_FALSE(gui::factorTint(100).isValid());
    const QColor below = gui::factorTint(80);
    const QColor above = gui::factorTint(120);
    EXPECT_NE(below.rgb(), above.rgb());
    EXPECT_LT(gui::factorTint(95).alpha(), below.alpha());
    EXPECT_EQ(gui::factorTint(75).alpha(), gui::factorTint(10).alpha()) << "saturates";
    EXPECT_EQ(gui::factorTint(125), gui::factorTint(32767));

    const QTemporaryDir settingsFolder;
    QSettings settings(settingsFolder.filePath(QStringLiteral("vendrix.conf")), QSettings::IniFormat);
    const QString key = QStringLiteral("grid/factorColours");
    auto grid = gridOf(oddSeason());
    app::UserSettings::rememberToggle(grid->factorColourAction(), settings, key, true);
    const auto& shown = grid->shownRows();
    const int hr = col::firstFactorLHB + 3;
    EXPECT_EQ(shown.index(4, hr).data(Qt::BackgroundRole).value<QColor>(), gui::factorTint(112));
    EXPECT_FALSE(shown.index(2, hr).data(Qt::BackgroundRole).isValid()) << "100 is neutral";
    EXPECT_FALSE(shown.index(4, col::firstFenceDistance).data(Qt::BackgroundRole).isValid());
    ASSERT_TRUE(grid->actions().contains(&grid->factorColourAction()));
    EXPECT_EQ(grid->contextMenuPolicy(), Qt::ActionsContextMenu);

    grid->factorColourAction().trigger();
    EXPECT_FALSE(shown.index(4, hr).data(Qt::BackgroundRole).isValid());
    ParkGrid later; // the choice is remembered for the next start
    app::UserSettings::rememberToggle(later.factorColourAction(), settings, key, true);
    EXPECT_FALSE(later.factorColourAction().isChecked());

    // A note's tint wins over the factor colour and its tooltip comes first; a marked park shows.
    grid->factorColourAction().trigger();
    gui::CellNotes notes;
    notes.set(4, hr, {QColor(Qt::magenta), QStringLiteral("was 104"), true});
    notes.set(4, col::parkName, {{}, {}, true});
    grid->setCellNotes(notes);
    EXPECT_EQ(shown.index(4, hr).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::magenta));
    EXPECT_TRUE(
        shown.index(4, hr).data(Qt::ToolTipRole).toString().startsWith(QStringLiteral("was 104\nHR, LHB")));
    EXPECT_TRUE(shown.index(4, col::parkName).data(Qt::FontRole).value<QFont>().bold());
    grid->setCellNotes({});
    EXPECT_EQ(shown.index(4, hr).data(Qt::BackgroundRole).value<QColor>(), gui::factorTint(112));
}

TEST_F(Grid, DarkPaletteShowsFixedPartsAndFocusInTheDesktopColours) {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    dark.setColor(QPalette::Base, QColor(20, 20, 20));
    dark.setColor(QPalette::Button, QColor(45, 45, 48));
    dark.setColor(QPalette::ButtonText, QColor(235, 235, 235));
    dark.setColor(QPalette::Text, QColor(235, 235, 235));
    dark.setColor(QPalette::WindowText, QColor(235, 235, 235));
    dark.setColor(QPalette::Highlight, QColor(255, 200, 0));
    auto grid = gridOf(oddSeason());
    grid->setPalette(dark);
    grid->setFocus();
    QTest::keyClick(grid.get(), Qt::Key_Home, Qt::ControlModifier);
    const QImage image = grid->grab().toImage();

    // The merged caption, the park names and the foot row: dark ground, light letters.
    const auto look = [&](const QTableView& pane, QRect cell, const char* what) {
        cell.translate(pane.geometry().topLeft());
        int light = 0;
        int darkPixels = 0;
        for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y)
            for (int x = cell.left() + 2; x < cell.right() - 1; ++x) {
                const int lightness = QColor(image.pixel(x, y)).lightness();
                light += lightness > 150;
                darkPixels += lightness < 70;
            }
        EXPECT_GT(light, 5) << what;
        EXPECT_GT(darkPixels, light) << what;
    };
    look(grid->captionPane(), grid->captionPane().visualRect(grid->shownRows().index(0, 3)), "group caption");
    look(grid->columnPane(), grid->columnPane().visualRect(grid->shownRows().index(3, 0)), "park name");
    look(grid->footCornerPane(), grid->footCornerPane().visualRect(grid->leagueAverage().index(0, 0)),
         "League average");
    // The current cell, in the fixed column, framed in the highlight colour.
    QRect current = grid->columnPane().visualRect(grid->shownRows().index(2, 0));
    current.translate(grid->columnPane().geometry().topLeft());
    EXPECT_EQ(QColor(image.pixel(current.left() + 1, current.center().y())), QColor(255, 200, 0));
}

} // namespace
} // namespace vendrix::test
