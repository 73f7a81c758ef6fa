// Comparing the shown season with another season folder in the window: what the changed cells and
// the new parks show, the line of totals, a new table compared again, and the end of it.
#include "app/comparisoncontroller.h"
#include "gui/diagram/parkdiagrampanel.h"
#include "gui/dialogs/namelistdialog.h"
#include "gui/grid/parkfindbar.h"
#include "gui/grid/parkgrid.h"
#include "gui/widgets/noticeline.h"
#include "seasonkit/changedseason.h"
#include "windowtest.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QTest>

namespace vendrix::test {
namespace {

namespace col = parktable::col;

class Comparison : public WindowTest {
protected:
    void SetUp() override {
        oldSeason_ = makeSeason("northwind-2031");
        newSeason_ = makeSeason("northwind-2032", seasonkit::changedSampleSeason());
        window_ = startWindow();
        window_->comparison().setFolderDialog(folders_);
        window_->show();
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    void showSeason(const std::filesystem::path& folder) {
        openFolder(*window_, folder);
        button(*window_, "cmdGetParkInfo").click();
    }

    int rowOf(std::string_view park) const {
        const parktable::ParkTable& table = *window_->grid().table();
        for (int row = parktable::kFirstParkRow; row < table.rowCount(); ++row)
            if (table.cell(row, col::parkName).starts_with(park))
                return row;
        return -1;
    }

    QVariant cell(std::string_view park, int column, int role) const {
        const auto& model = window_->grid().parkModel();
        return model.data(model.index(rowOf(park), column), role);
    }

    std::filesystem::path oldSeason_;
    std::filesystem::path newSeason_;
    ScriptedFolderDialog folders_;
    std::unique_ptr<app::Form1> window_;
};

TEST_F(Comparison, ChangedCellsSayWhatTheyWereNewParksAreMarkedAndTheTotalsStandAboveTheTable) {
    showSeason(newSeason_);
    folders_.answers.push_back(oldSeason_);
    QTest::keyClick(window_.get(), Qt::Key_K, Qt::ControlModifier);
    ASSERT_EQ(folders_.asked, 1);
    EXPECT_TRUE(standIns.messages.texts.isEmpty()) << standIns.messages.texts.join("\n").toStdString();

    const int cf = col::firstFenceDistance + 3;
    EXPECT_TRUE(cell("Gullwing Field", cf, Qt::ToolTipRole)
                    .toString()
                    .startsWith(QStringLiteral("402 in Northwind Baseball League 2031")));
    EXPECT_TRUE(cell("Gullwing Field", cf, Qt::BackgroundRole).value<QColor>().isValid());
    EXPECT_TRUE(cell("Vixen Hollow Park", col::teamName, Qt::ToolTipRole)
                    .toString()
                    .startsWith(QStringLiteral("Glen Haven Foxes in Northwind Baseball League 2031")));
    EXPECT_FALSE(cell("Gullwing Field", col::firstFenceDistance, Qt::ToolTipRole)
                     .toString()
                     .contains(QStringLiteral("Northwind")));
    EXPECT_TRUE(cell("Foxfire Grounds", col::parkName, Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(cell("Gullwing Field", col::parkName, Qt::FontRole).value<QFont>().bold());

    const gui::NoticeLine& summary = window_->comparison().summaryLine();
    EXPECT_TRUE(summary.isVisible());
    EXPECT_EQ(summary.fullText(),
              QStringLiteral("Compared with Northwind Baseball League 2031: 5 parks differ, "
                             "3 only in this season, 1 only in 2031 (Ore Cart Yard)"));
    EXPECT_LE(summary.geometry().bottom(), window_->grid().geometry().top());

    // Saved as a web page, the table shown is the compared page, as the exporter writes it.
    standIns.fileDialog.setNextFileName(workFolder() / "compared.html");
    window_->findChild<QAction*>(QStringLiteral("saveWebPage"))->trigger();
    QProcess exporter;
    exporter.start(QStringLiteral(VENDRIX_EXPORTER),
                   {QStringLiteral("compare"), qpath(oldSeason_), qpath(newSeason_), QStringLiteral("--html"),
                    QStringLiteral("-")});
    ASSERT_TRUE(exporter.waitForFinished(60000));
    EXPECT_EQ(QByteArray::fromStdString(readBytes(workFolder() / "compared.html")),
              exporter.readAllStandardOutput());

    // The diagram of a changed park draws its outline of the other season behind it.
    gui::ParkGrid& grid = window_->grid();
    grid.setCurrentIndex(grid.model()->index(rowOf("Gullwing Field"), cf));
    const auto& diagram = window_->diagramPanel().diagram();
    ASSERT_TRUE(diagram && diagram->compared);
    EXPECT_EQ(diagram->compared->name, "Gullwing Field in Northwind Baseball League 2031");
    EXPECT_EQ(diagram->compared->measures.distance[3], 402);

    // Another Get Park Info compares again with the same folder.
    showSeason(oldSeason_);
    EXPECT_EQ(summary.fullText(),
              QStringLiteral("Compared with Northwind Baseball League 2031: 0 parks differ, "
                             "0 only in this season, 0 only in the other season"));
    showSeason(newSeason_);
    EXPECT_TRUE(cell("Gullwing Field", cf, Qt::ToolTipRole).toString().startsWith(QStringLiteral("402 in")));
    EXPECT_EQ(folders_.asked, 1);

    // Esc on the table ends it.
    window_->grid().setFocus();
    QTest::keyClick(&window_->grid(), Qt::Key_Escape);
    EXPECT_FALSE(window_->comparison().isComparing());
    EXPECT_FALSE(summary.isVisible());
    EXPECT_FALSE(cell("Gullwing Field", cf, Qt::ToolTipRole).toString().contains(QStringLiteral("402 in")));
    EXPECT_FALSE(cell("Foxfire Grounds", col::parkName, Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(window_->diagramPanel().diagram()->compared);
}

TEST_F(Comparison, PlainWordsAListOfTheOtherSeasonsParksAndTheWayFromDifferenceToDifference) {
    showSeason(newSeason_);
    folders_.answers.push_back(oldSeason_);
    QTest::keyClick(window_.get(), Qt::Key_K, Qt::ControlModifier);
    // The dialog opened among the season folders, where the shown one stands.
    ASSERT_EQ(folders_.starts.size(), 1u);
    EXPECT_EQ(folders_.starts[0], newSeason_.parent_path());
    EXPECT_EQ(cell("Foxfire Grounds", col::parkName, Qt::ToolTipRole).toString(),
              QStringLiteral("Only in this season"));

    // The line fits the window and says what a click shows; a click lists the parks only in 2031.
    gui::NoticeLine& summary = window_->comparison().summaryLine();
    window_->resize(700, window_->height());
    QTest::qWait(50);
    EXPECT_LE(summary.fontMetrics().horizontalAdvance(summary.text()), summary.width());
    EXPECT_TRUE(summary.text().endsWith(QStringLiteral("\u2026")));
    EXPECT_EQ(summary.toolTip(),
              QStringLiteral("Click for the list of the 1 parks only in Northwind Baseball League 2031"));
    summary.setFocus();
    QTest::keyClick(&summary, Qt::Key_Return);
    gui::NameListDialog* list = window_->comparison().openList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->list().count(), 1);
    EXPECT_EQ(list->list().item(0)->text(), QStringLiteral("Ore Cart Yard"));
    QTest::keyClick(&list->list(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Ore Cart Yard\n"));
    list->close();

    // Only the parks that differ: 5 changed and 3 only in this season; F3 walks them in the order shown.
    window_->comparison().onlyDifferingAction().trigger();
    EXPECT_EQ(window_->findBar().countLabel().text(), QStringLiteral("8 of 34 parks"));
    window_->comparison().onlyDifferingAction().trigger();
    EXPECT_EQ(window_->findBar().countLabel().text(), QStringLiteral("34 of 34 parks"));
    gui::ParkGrid& grid = window_->grid();
    grid.setFocus();
    grid.setCurrentIndex(grid.shownRows().index(parktable::kColumnCaptionRow, 0));
    std::vector<int> visited;
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(&grid, Qt::Key_F3);
        visited.push_back(grid.currentTableRow());
    }
    EXPECT_EQ(visited.front(), rowOf("Gullwing Field"));
    EXPECT_EQ(visited[8], visited[0]); // round the table
    EXPECT_TRUE(std::is_sorted(visited.begin(), visited.begin() + 8));
    QTest::keyClick(&grid, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(grid.currentTableRow(), visited[7]);
}

TEST_F(Comparison, AFolderThatIsNoSeasonIsRefusedAndCancelChangesNothing) {
    folders_.answers.push_back(oldSeason_);
    window_->comparison().compareAction().trigger();
    EXPECT_EQ(folders_.asked, 0); // no table yet
    ASSERT_EQ(standIns.messages.texts.size(), 1);

    showSeason(newSeason_);
    const std::filesystem::path incomplete = makeSeason("incomplete");
    std::filesystem::remove(incomplete / "dmbteam.dat");
    folders_.answers = {incomplete};
    window_->comparison().compareAction().trigger();
    ASSERT_EQ(standIns.messages.texts.size(), 2);
    EXPECT_TRUE(standIns.messages.texts.back().contains(
        QStringLiteral("is not a complete season folder: missing dmbteam.dat")));
    EXPECT_FALSE(window_->comparison().isComparing());

    window_->comparison().compareAction().trigger(); // cancelled
    EXPECT_FALSE(window_->comparison().isComparing());
    EXPECT_FALSE(window_->comparison().summaryLine().isVisible());
    const QList<QAction*> menu = window_->grid().actions();
    EXPECT_TRUE(menu.contains(&window_->comparison().compareAction()));
    EXPECT_TRUE(menu.contains(&window_->comparison().stopAction()));
    EXPECT_FALSE(window_->comparison().stopAction().isEnabled());
}

} // namespace
} // namespace vendrix::test
