// The grid's model and its fixed panes on their own.
#include "gui/grid/parkgrid.h"
#include "gui/grid/parktablemodel.h"
#include "model/viewcolumns.h"
#include "seasonmaker.h"
#include "windowtest.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

namespace vendrix::test {
namespace {

class Adapters : public WindowTest {};

TEST_F(Adapters, ParkTableModelPassesTheModelTester) {
    const auto season = makeSeason("model");
    gui::ParkTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.fixedRowCount(), 1);

    model::Season parks = test::seasonOfParkFile(season / "dmbpark.dat");
    const int rows = parks.parkCount() + 2;
    model.setSeason(std::move(parks));
    EXPECT_EQ(model.rowCount(), rows);
    EXPECT_EQ(model.fixedRowCount(), 2);
    model.setSeason(model::Season());
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.columnCount(), model::kShownColumnCount); // the table's 35 and the view's own
}

TEST_F(Adapters, FixedPartsScrollWithTheTable) {
    const auto season = makeSeason("scroll", seasonkit::syntheticSeason(300));
    model::Season parks = test::seasonOfParkFile(season / "dmbpark.dat");
    gui::ParkGrid grid;
    grid.resize(400, 200);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    grid.setSeason(std::move(parks));
    const QTableView& captions = grid.captionPane();
    const QTableView& column = grid.columnPane();
    EXPECT_EQ(captions.geometry().height(), 2 * grid.rowHeightPixels());
    EXPECT_EQ(column.geometry().width(), grid.columnWidthPixels(0));
    EXPECT_EQ(column.geometry().height(), grid.viewport()->height() - grid.footPane().height())
        << "above the foot";

    grid.horizontalScrollBar()->setValue(100);
    const int rows10 = 10 * grid.rowHeightPixels();
    grid.verticalScrollBar()->setValue(rows10);
    EXPECT_EQ(captions.horizontalScrollBar()->value(), 100);
    EXPECT_EQ(column.verticalScrollBar()->value(), rows10);
    EXPECT_EQ(captions.verticalScrollBar()->value(), 0);
    EXPECT_EQ(grid.rowAt(0), column.rowAt(0)) << "park names stay beside their rows";

    // The wheel over the captions scrolls the table, and the captions stay.
    const QPointF at(10, 10);
    QWheelEvent wheel(at, captions.viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(captions.viewport(), &wheel);
    EXPECT_GT(grid.verticalScrollBar()->value(), rows10);
    EXPECT_EQ(column.verticalScrollBar()->value(), grid.verticalScrollBar()->value());
    EXPECT_EQ(captions.verticalScrollBar()->value(), 0);
}

} // namespace
} // namespace vendrix::test
