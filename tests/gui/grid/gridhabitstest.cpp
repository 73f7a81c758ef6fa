// The grid as people know tables from spreadsheets: names in natural order, Tab leaving the grid,
// columns fitted to their text and kept for new tables, captions copied above a block, and values
// that cannot be real marked and left out of the League average.
#include "gui/grid/gridcelldelegate.h"
#include "gui/grid/leagueaveragemodel.h"
#include "gui/grid/parkgrid.h"
#include "gui/grid/parkrowproxy.h"
#include "parktable/parktable.h"
#include "seasonkit/sampleseason.h"
#include "seasonmaker.h"
#include "windowtest.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QVBoxLayout>

namespace vendrix::test {
namespace {

namespace col = parktable::col;
using gui::ParkGrid;

// Names a plain sort of bytes puts in the wrong order, a long team name padded inside, and values
// that cannot be real.
seasonkit::SeasonContent habitSeason() {
    auto content = seasonkit::syntheticSeason(6);
    const std::array<const char*, 6> names{"Park 10",
                                           "park 2",
                                           "\xC9"
                                           "cole Field",
                                           "Park 1",
                                           "Echo Yard",
                                           "MAMMOTH WHARF      WOLVERINES"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::string name(names[i]);
        name.resize(season::ParkRecord::kNameWidth, ' ');
        content.parks[i].record.parkName = name;
    }
    content.parks[0].record.fenceDistance[3] = 1200; // a distance over 999 ft
    content.parks[1].record.fenceHeight[0] = 200;    // a wall over 100 ft
    content.parks[2].record.factorsLHB[3] = 0;       // a factor of 0
    return content;
}

class GridHabits : public WindowTest {
protected:
    std::unique_ptr<ParkGrid> gridOf(const seasonkit::SeasonContent& content) {
        const auto season = makeSeason("habits", content);
        model::Season parks = test::seasonOfParkFile(season / "dmbpark.dat");
        auto grid = std::make_unique<ParkGrid>();
        grid->resize(600, 300);
        grid->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
        grid->setSeason(std::move(parks));
        return grid;
    }
    // How many park cells of the column show their text cut off.
    static int cutOffCells(ParkGrid& grid, int column) {
        gui::GridCellDelegate delegate(grid, false, nullptr);
        int cut = 0;
        for (int row = parktable::kFirstParkRow; row < grid.shownRows().rowCount(); ++row) {
            const QModelIndex index = grid.shownRows().index(row, column);
            QStyleOptionViewItem option;
            option.initFrom(&grid);
            option.widget = &grid;
            option.font = grid.font();
            option.fontMetrics = QFontMetrics(grid.font());
            // A column is hidden, of no width, in the views that leave it to another.
            const int width = std::max(grid.columnPane().columnWidth(column), grid.columnWidth(column));
            option.rect = QRect(0, 0, width, grid.rowHeightPixels());
            cut += delegate.isCutOff(option, index) ? 1 : 0;
        }
        return cut;
    }
    static QStringList shownNames(const ParkGrid& grid) {
        QStringList names;
        for (int row = parktable::kFirstParkRow; row < grid.shownRows().rowCount(); ++row)
            names << grid.shownRows().index(row, col::parkName).data().toString().trimmed();
        return names;
    }
};

TEST_F(GridHabits, NamesSortInNaturalOrderBesideTheirAccentedSpellings) {
    auto grid = gridOf(habitSeason());
    grid->activateCaption(col::parkName);
    EXPECT_EQ(shownNames(*grid),
              (QStringList{QStringLiteral("Echo Yard"),
                           QString::fromLatin1("\xC9"
                                               "cole Field"),
                           QStringLiteral("MAMMOTH WHARF      WOLVERINES"), QStringLiteral("Park 1"),
                           QStringLiteral("park 2"), QStringLiteral("Park 10")}));
}

TEST_F(GridHabits, TabLeavesTheGridWhileArrowsMoveBetweenCells) {
    QWidget form;
    auto* before = new QLineEdit(&form);
    auto* grid = new ParkGrid(&form);
    auto* after = new QLineEdit(&form);
    auto* layout = new QVBoxLayout(&form);
    for (QWidget* w : std::initializer_list<QWidget*>{before, grid, after})
        layout->addWidget(w);
    form.resize(600, 400);
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    const auto season = makeSeason("tab", habitSeason());
    grid->setSeason(test::seasonOfParkFile(season / "dmbpark.dat"));

    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Right);
    const int column = grid->currentIndex().column();
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(grid->currentIndex().column(), column + 1);
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
    QTest::keyClick(after, Qt::Key_Backtab);
    EXPECT_TRUE(grid->hasFocus());
    QTest::keyClick(grid, Qt::Key_Backtab);
    EXPECT_TRUE(before->hasFocus());
}

TEST_F(GridHabits, FittedColumnsShowTheirWidestTextWholeAndStayForNewTables) {
    auto grid = gridOf(habitSeason());
    const auto cutOff = [&](int column) {
        return cutOffCells(*grid, column);
    };
    ASSERT_GT(cutOff(col::parkName), 0);
    grid->fitColumn(col::parkName);
    EXPECT_EQ(cutOff(col::parkName), 0);

    const int fitted = grid->columnPane().columnWidth(col::parkName);
    const int designed = grid->columnWidthPixels(col::firstAttribute);
    grid->setSeason(*grid->season());
    EXPECT_EQ(grid->columnPane().columnWidth(col::parkName), fitted);
    grid->resetWidthsAction().trigger();
    EXPECT_EQ(grid->columnPane().columnWidth(col::parkName), grid->columnWidthPixels(col::parkName));
    EXPECT_EQ(grid->columnWidth(col::firstAttribute), designed);
}

TEST_F(GridHabits, ColumnsOfWordsOpenToTheirLongestWordWhileTheGridHasRoom) {
    auto grid = gridOf(seasonkit::sampleSeason());
    const int wind = col::firstAttribute + 4;
    ASSERT_GT(cutOffCells(*grid, wind), 0); // "Super Strong" in the design width
    grid->resize(1500, 300);
    int words = 0;
    for (int c = col::firstAttribute; c <= col::lastCaptioned; ++c) {
        EXPECT_EQ(cutOffCells(*grid, c), 0) << c;
        words += grid->columnWidth(c);
    }
    EXPECT_LE(grid->columnViewportPosition(col::firstAttribute) + words, grid->viewport()->width());
    // Narrower again, the columns give the room back.
    grid->resize(600, 300);
    EXPECT_EQ(grid->columnWidth(wind), grid->columnWidthPixels(wind));
}

TEST_F(GridHabits, CopyWithCaptionsPutsTheCaptionRowsAboveTheBlock) {
    auto grid = gridOf(habitSeason());
    grid->setFocus();
    const auto& shown = grid->shownRows();
    grid->selectionModel()->select(QItemSelection(shown.index(2, col::firstFenceDistance + 2),
                                                  shown.index(3, col::firstFenceDistance + 3)),
                                   QItemSelectionModel::ClearAndSelect);
    const QStringList plain = grid->selectedText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QTest::keyClick(grid.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[1], QStringLiteral("LCF\tCF"));
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Fence")));
    EXPECT_EQ(lines.mid(2), plain);
}

TEST_F(GridHabits, ValuesThatCannotBeRealAreMarkedAndLeftOutOfTheLeagueAverage) {
    auto grid = gridOf(habitSeason());
    const auto& model = grid->parkModel();
    const int cf = col::firstFenceDistance + 3;
    const QModelIndex far = model.index(parktable::kFirstParkRow, cf);
    EXPECT_TRUE(far.data(gui::ParkTableModel::kImplausibleRole).toBool());
    EXPECT_TRUE(
        far.data(Qt::ToolTipRole)
            .toString()
            .contains(QStringLiteral(
                "A fence distance of 1200 ft is outside 1 to 999 ft; left out of the League average")));
    EXPECT_TRUE(model.index(parktable::kFirstParkRow + 1, col::firstFenceHeight)
                    .data(gui::ParkTableModel::kImplausibleRole)
                    .toBool());
    EXPECT_TRUE(model.index(parktable::kFirstParkRow + 2, col::firstFactorLHB + 3)
                    .data(gui::ParkTableModel::kImplausibleRole)
                    .toBool());
    EXPECT_FALSE(
        model.index(parktable::kFirstParkRow + 3, cf).data(gui::ParkTableModel::kImplausibleRole).toBool());

    const auto& foot = grid->leagueAverage();
    EXPECT_EQ(
        foot.index(0, cf).data(Qt::ToolTipRole).toString(),
        QStringLiteral("CF, distance: mean over 5 of 6 parks; 1 left out, as its value cannot be real"));
    EXPECT_FALSE(foot.index(0, col::year).data().isValid());
}

} // namespace
} // namespace vendrix::test
