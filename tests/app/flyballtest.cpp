// The Fly ball bar driven by keyboard on the sample season: opened with Ctrl+B, each slider moved by its
// keys, the table's column and the bar's count agreeing with `vendrix-export carry` for the same ball,
// the column sorted from its caption, the diagram's track, the shape columns hidden and skipped by the
// cursor, and Esc closing it all.
#include "gui/diagram/parkdiagrampanel.h"
#include "gui/flyball/flyballbar.h"
#include "gui/flyball/flyballcontroller.h"
#include "gui/grid/parkgrid.h"
#include "model/viewcolumns.h"
#include "windowtest.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QSlider>
#include <QTest>

namespace vendrix::test {
namespace {

namespace viewcol = model::viewcol;

// The exporter's answer for the ball the bar shows.
QJsonObject exportedCarry(const std::filesystem::path& season, const flight::Ball& ball) {
    QProcess exporter;
    exporter.start(QStringLiteral(VENDRIX_EXPORTER),
                   {QStringLiteral("carry"), QString::fromStdString(season.string()),
                    QStringLiteral("--speed"), QString::number(ball.speedMph), QStringLiteral("--angle"),
                    QString::number(ball.angleDegrees), QStringLiteral("--direction"),
                    QString::number(ball.directionDegrees), QStringLiteral("--batter"),
                    ball.batter == flight::Hand::Left ? QStringLiteral("L") : QStringLiteral("R"),
                    QStringLiteral("--json"), QStringLiteral("-")});
    EXPECT_TRUE(exporter.waitForFinished(60000));
    EXPECT_EQ(exporter.exitCode(), 0) << exporter.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(exporter.readAllStandardOutput()).object();
}

// The exporter's verdict word of a cell of the Fly ball column.
QJsonValue verdictWord(const QString& cell) {
    if (cell.startsWith(QStringLiteral("Out by")) || cell == QStringLiteral("Just out"))
        return QStringLiteral("out");
    if (cell == QStringLiteral("Off the wall"))
        return QStringLiteral("wall");
    if (cell.startsWith(QStringLiteral("Short by")) || cell == QStringLiteral("Just short"))
        return QStringLiteral("in");
    if (cell == QStringLiteral("Foul"))
        return QStringLiteral("foul");
    return QJsonValue::Null;
}

class FlyBall : public WindowTest {
protected:
    void SetUp() override {
        season_ = makeSeason("northwind-2031");
        window_ = startWindow();
        window_->resize(1400, 800);
        window_->show();
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        openFolder(*window_, season_);
        button(*window_, "cmdGetParkInfo").click();
        window_->grid().setFocus();
    }

    QString cell(int shownRow, int column) const {
        return window_->grid().model()->index(shownRow, column).data().toString();
    }

    // The column and the count against the exporter's JSON for the same ball.
    void expectTheExportersVerdicts() const {
        const gui::FlyBallBar& bar = window_->flyBallBar();
        const QJsonObject answer = exportedCarry(season_, bar.ball());
        const gui::ParkGrid& grid = window_->grid();
        const QJsonArray parks = answer[QStringLiteral("parks")].toArray();
        for (int row = parktable::kFirstParkRow; row < grid.parkModel().rowCount(); ++row) {
            const QString shown = grid.parkModel().cellText(row, viewcol::flyBall);
            EXPECT_EQ(verdictWord(shown), parks[row - parktable::kFirstParkRow][QStringLiteral("verdict")])
                << shown.toStdString();
        }
        EXPECT_TRUE(bar.summary().text().startsWith(QStringLiteral("Out in %1 of %2 parks")
                                                        .arg(answer[QStringLiteral("out_count")].toInt())
                                                        .arg(answer[QStringLiteral("park_count")].toInt())))
            << bar.summary().text().toStdString();
    }

    std::filesystem::path season_;
    std::unique_ptr<app::Form1> window_;
};

TEST_F(FlyBall, KeyboardDrivesTheBarAndTheTableTheCountAndTheDiagramFollow) {
    gui::ParkGrid& grid = window_->grid();
    gui::FlyBallBar& bar = window_->flyBallBar();
    EXPECT_TRUE(grid.isHiddenColumn(viewcol::flyBall));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::ControlModifier);
    ASSERT_TRUE(bar.isVisible());
    EXPECT_FALSE(grid.isHiddenColumn(viewcol::flyBall));
    ASSERT_EQ(QApplication::focusWidget(), &bar.speedSlider());
    EXPECT_EQ(bar.summary().text(), QStringLiteral("Out in 30 of 30 parks"));
    expectTheExportersVerdicts();

    // A soft fly ball: short everywhere, and the parks named since none is out.
    QTest::keyClick(&bar.speedSlider(), Qt::Key_Home);
    EXPECT_EQ(bar.ball().speedMph, 40.0);
    EXPECT_TRUE(bar.summary().text().startsWith(QStringLiteral("Out in 0 of 30 parks")));
    EXPECT_TRUE(cell(parktable::kFirstParkRow, viewcol::flyBall).startsWith(QStringLiteral("Short by")));
    QTest::keyClick(&bar.speedSlider(), Qt::Key_PageUp);
    for (int i = 0; i < 12; ++i)
        QTest::keyClick(&bar.speedSlider(), Qt::Key_PageUp);
    EXPECT_EQ(bar.ball().speedMph, 105.0);

    // Tab on to the angle and the direction; down the left-field line a left-handed batter's ball.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), &bar.angleSlider());
    QTest::keyClick(&bar.angleSlider(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), &bar.directionSlider());
    QTest::keyClick(&bar.directionSlider(), Qt::Key_Home);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), &bar.batterChoice());
    QTest::keyClick(&bar.batterChoice(), Qt::Key_Down);
    const flight::Ball ball = bar.ball();
    EXPECT_EQ(ball.angleDegrees, 29.0);
    EXPECT_EQ(ball.directionDegrees, -45.0);
    EXPECT_EQ(ball.batter, flight::Hand::Left);
    expectTheExportersVerdicts();

    // Sorted by the column from its caption: the surest home run first.
    grid.setFocus();
    grid.setCurrentIndex(grid.model()->index(parktable::kColumnCaptionRow, viewcol::flyBall));
    QTest::keyClick(&grid, Qt::Key_Space);
    QTest::keyClick(&grid, Qt::Key_Space);
    const double first =
        window_->flyBall()
            .carry()
            ->verdictAt(
                grid.parkModel().park(grid.shownRows().mapToSource(grid.model()->index(2, 0)).row()).row())
            ->carryKey();
    for (int row = 1; row <= window_->flyBall().carry()->parkCount(); ++row)
        if (const auto& verdict = window_->flyBall().carry()->verdictAt(row))
            EXPECT_LE(verdict->carryKey(), first);

    // The diagram of the current park draws the ball's track and its side view.
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_F4);
    ASSERT_TRUE(window_->diagramPanel().diagram());
    ASSERT_TRUE(window_->diagramPanel().diagram()->flyBall);
    EXPECT_GT(window_->diagramPanel().diagram()->flyBall->track.size(), 20u);

    // Esc in the bar closes it, with its column and track.
    bar.speedSlider().setFocus();
    QTest::keyClick(&bar.speedSlider(), Qt::Key_Escape);
    EXPECT_FALSE(bar.isVisible());
    EXPECT_TRUE(grid.isHiddenColumn(viewcol::flyBall));
    EXPECT_FALSE(window_->diagramPanel().diagram()->flyBall);
    EXPECT_EQ(QApplication::focusWidget(), &grid);
}

TEST_F(FlyBall, ShapeColumnsComeBesideTheTableAndHideAsAGroupTheCursorPassingOver) {
    gui::ParkGrid& grid = window_->grid();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window_->flyBall().hasShapeFactors(); }, 10000));
    // League = 100: the mean of the parks that count; the two whose walls cannot be real have none.
    const int first = parktable::kFirstParkRow;
    for (const int column : {viewcol::shapeLHB, viewcol::shapeRHB}) {
        double sum = 0;
        int counted = 0;
        for (int row = first; row < grid.parkModel().rowCount(); ++row)
            if (const QString text = grid.parkModel().cellText(row, column); !text.isEmpty()) {
                sum += text.toDouble();
                ++counted;
            }
        EXPECT_EQ(counted, 30);
        EXPECT_NEAR(sum / counted, 100.0, 0.5);
    }
    EXPECT_EQ(grid.parkModel().cellText(0, viewcol::shapeLHB), QStringLiteral("Shape HR"));
    EXPECT_TRUE(grid.parkModel()
                    .index(first, viewcol::shapeRHB)
                    .data(Qt::ToolTipRole)
                    .toString()
                    .contains(QStringLiteral("the season's HR, RHB is")));

    // End goes to the last column shown: the shape columns, then, hidden, the last of the table's own.
    grid.setFocus();
    grid.setCurrentIndex(grid.model()->index(first, 0));
    QTest::keyClick(&grid, Qt::Key_End);
    EXPECT_EQ(grid.currentIndex().column(), viewcol::shapeRHB);
    window_->flyBall().shapeColumnsAction().trigger();
    EXPECT_TRUE(grid.isHiddenColumn(viewcol::shapeLHB) && grid.isHiddenColumn(viewcol::shapeRHB));
    QTest::keyClick(&grid, Qt::Key_Home);
    QTest::keyClick(&grid, Qt::Key_End);
    EXPECT_EQ(grid.currentIndex().column(), model::kColumnCount - 1);
    QTest::keyClick(&grid, Qt::Key_Right);
    EXPECT_EQ(grid.currentIndex().column(), model::kColumnCount - 1);
}

} // namespace
} // namespace vendrix::test
