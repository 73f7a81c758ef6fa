// Comparing the shown season with another season folder in the window: what the changed cells and
// the new parks show, the line of totals, a new table compared again, and the end of it.
#include "app/comparisoncontroller.h"
#include "gui/diagram/parkdiagrampanel.h"
#include "gui/grid/parkgrid.h"
#include "seasonkit/changedseason.h"
#include "windowtest.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <deque>

namespace vendrix::test {
namespace {

namespace col = parktable::col;

// Answers the folder dialog in advance; with no answer left it is a cancel.
class ScriptedFolderDialog : public gui::FolderDialog {
public:
    std::filesystem::path chooseFolder(const QString&, const std::filesystem::path&) override {
        ++asked;
        if (answers.empty())
            return {};
        std::filesystem::path answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<std::filesystem::path> answers;
    int asked = 0;
};

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

    const QLabel& summary = window_->comparison().summaryLine();
    EXPECT_TRUE(summary.isVisible());
    EXPECT_EQ(summary.text(), QStringLiteral("5 parks changed, 3 new, 1 gone since Northwind Baseball League "
                                             "2031. Gone: Ore Cart Yard"));
    EXPECT_LE(summary.geometry().bottom(), window_->grid().geometry().top());

    // The diagram of a changed park draws its outline of the other season behind it.
    gui::ParkGrid& grid = window_->grid();
    grid.setCurrentIndex(grid.model()->index(rowOf("Gullwing Field"), cf));
    const auto& diagram = window_->diagramPanel().diagram();
    ASSERT_TRUE(diagram && diagram->compared);
    EXPECT_EQ(diagram->compared->name, QStringLiteral("Gullwing Field in Northwind Baseball League 2031"));
    EXPECT_EQ(diagram->compared->measures.distance[3], 402);

    // Another Get Park Info compares again with the same folder.
    showSeason(oldSeason_);
    EXPECT_EQ(summary.text(),
              QStringLiteral("0 parks changed, 0 new, 0 gone since Northwind Baseball League 2031"));
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
