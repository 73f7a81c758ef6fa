// The window's table as a user meets it: what is wrong with a season said above the table or in
// the empty table, filters by column with their chips, a find that matches nothing, and the new
// flows walked by keyboard.
#include "gui/diagram/parkdiagrampanel.h"
#include "gui/filters/columnfilter.h"
#include "gui/filters/columnfilterdialog.h"
#include "gui/filters/filterchips.h"
#include "gui/filters/parkfilters.h"
#include "gui/grid/parkfindbar.h"
#include "gui/grid/parkgrid.h"
#include "gui/widgets/firststarthint.h"
#include "gui/widgets/focusframe.h"
#include "gui/widgets/noticeline.h"
#include "output/csvexport.h"
#include "windowtest.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace vendrix::test {
namespace {

namespace col = parktable::col;
constexpr std::size_t kRecord = season::ParkRecord::kSize;

class TableFlows : public WindowTest {
protected:
    std::unique_ptr<app::Form1> shownWindow() {
        auto window = startWindow();
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window;
    }
    static int parksWith(const app::Form1& window, int column, std::string_view word) {
        const parktable::ParkTable& table = *window.grid().table();
        int count = 0;
        for (int row = parktable::kFirstParkRow; row < table.rowCount(); ++row)
            count += table.cell(row, column).starts_with(word) ? 1 : 0;
        return count;
    }
};

TEST_F(TableFlows, WhatIsWrongWithASeasonIsSaidAboveOrInTheTable) {
    auto window = shownWindow();
    gui::NoticeLine& notice = window->seasonNotice();

    // A park file cut inside a record: the parks before it, and a line saying what was not read.
    const auto cut = makeSeason("cut");
    std::filesystem::resize_file(cut / "dmbpark.dat", 15 * kRecord + 77);
    openFolder(*window, cut);
    button(*window, "cmdGetParkInfo").click();
    EXPECT_GT(window->grid().table()->parkCount(), 0);
    EXPECT_FALSE(notice.isHidden());
    EXPECT_EQ(notice.fullText(),
              QStringLiteral("The last park record is cut off and is not shown (dmbpark.dat "
                             "ends 77 bytes into record 16; those bytes were not read)"));
    EXPECT_LE(notice.geometry().bottom(), window->grid().geometry().top());
    EXPECT_TRUE(standIns.messages.texts.isEmpty());
    // A warning in the platform's colours for one: not the window's own.
    EXPECT_TRUE(notice.hasWarningLook());
    EXPECT_EQ(notice.backgroundRole(), QPalette::ToolTipBase);
    EXPECT_TRUE(notice.autoFillBackground());
    EXPECT_EQ(notice.grab().toImage().pixelColor(notice.width() / 2, notice.height() - 3),
              notice.palette().color(QPalette::ToolTipBase));

    // Random bytes: no park in use. The table is empty, the line says why, the outputs still work.
    const auto noise = makeSeason("noise");
    std::string bytes;
    for (int i = 0; i < 3000; ++i)
        bytes.push_back(static_cast<char>((i * 7919 + 13) % 251 | 1));
    writeBytes(noise / "dmbpark.dat", bytes);
    openFolder(*window, noise);
    button(*window, "cmdGetParkInfo").click();
    EXPECT_EQ(window->grid().table()->parkCount(), 0);
    EXPECT_TRUE(notice.fullText().startsWith(
        QStringLiteral("The table is empty (dmbpark.dat holds 19 records, none of them a park in use")))
        << notice.fullText().toStdString();
    EXPECT_TRUE(button(*window, "cmdWriteCSV").isEnabled());
    EXPECT_TRUE(button(*window, "cmdPrintInfo").isEnabled());
    standIns.fileDialog.setNextFileName(workFolder() / "empty.csv");
    button(*window, "cmdWriteCSV").click();
    EXPECT_EQ(readBytes(workFolder() / "empty.csv"), output::csvText(*window->grid().table()));

    // A sound season clears the line.
    openFolder(*window, makeSeason("sound"));
    button(*window, "cmdGetParkInfo").click();
    EXPECT_TRUE(notice.isHidden());

    // A folder with a file missing, before any table: the empty table names it.
    auto fresh = shownWindow();
    const auto partial = makeSeason("partial");
    std::filesystem::remove(partial / "dmbteam.dat");
    openFolder(*fresh, partial);
    const QLabel& hint = fresh->emptyTableHint();
    EXPECT_TRUE(hint.isVisible());
    EXPECT_TRUE(hint.text().contains(QStringLiteral("dmbteam.dat"))) << hint.text().toStdString();
    openFolder(*fresh, tempRoot());
    EXPECT_EQ(hint.text(), QString::fromLatin1(gui::FirstStartHint::kText));
}

TEST_F(TableFlows, FiltersStandAsChipsCountWithTheFindAndLeaveTheOutputsWhole) {
    auto window = shownWindow();
    openFolder(*window, makeSeason("season"));
    button(*window, "cmdGetParkInfo").click();
    const int parks = window->grid().table()->parkCount();
    gui::ParkFilters& filters = window->filters();

    filters.apply(*gui::ColumnFilter::words(col::firstAttribute + 1, {QStringLiteral("Grass")}));
    const int grass = parksWith(*window, col::firstAttribute + 1, "Grass");
    ASSERT_GT(grass, 0);
    ASSERT_LT(grass, parks);
    EXPECT_EQ(window->findBar().countLabel().text(), QStringLiteral("%1 of %2 parks").arg(grass).arg(parks));
    EXPECT_EQ(window->filterChips().chipTexts(), QStringList{QStringLiteral("Surface: Grass")});

    // A range: HR for left-handed batters from 105; with the find text on top.
    const int hr = col::firstFactorLHB + 3;
    filters.apply(*gui::ColumnFilter::range(hr, 105, std::nullopt));
    const int shown = window->grid().shownRows().shownParkCount();
    EXPECT_LT(shown, grass);
    EXPECT_EQ(window->filterChips().chipTexts().last(), QStringLiteral("HR, LHB: from 105"));
    // Opened again, the dialog holds the range; the caption's menu offers one entry to filter.
    const gui::ColumnFilterDialog again(*window->grid().season(), hr, &filters.filters().back());
    EXPECT_EQ(again.fromField()->text(), QStringLiteral("105"));
    EXPECT_TRUE(again.toField()->text().isEmpty());
    QStringList entries;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (const QAction* action : menu->actions())
                if (action->isVisible())
                    entries << action->text();
            menu->close();
        }
    });
    auto& captions = const_cast<QTableView&>(window->grid().captionPane());
    emit captions.customContextMenuRequested(captions.visualRect(captions.model()->index(1, hr)).center());
    EXPECT_EQ(entries.filter(QStringLiteral("filter"), Qt::CaseInsensitive),
              QStringList({QStringLiteral("Filter..."), QStringLiteral("Remove this filter")}));
    EXPECT_TRUE(filters.filterColumnAction().isVisible()); // and Ctrl+Shift+L, once the menu is gone
    for (int row = parktable::kFirstParkRow; row < window->grid().shownRows().rowCount(); ++row)
        EXPECT_GE(window->grid().shownRows().index(row, hr).data().toString().toInt(), 105);

    standIns.fileDialog.setNextFileName(workFolder() / "all.csv");
    button(*window, "cmdWriteCSV").click();
    EXPECT_EQ(readBytes(workFolder() / "all.csv"), output::csvText(*window->grid().table()));

    // A find that leaves nothing says so in the grid, and the diagram shows no park.
    window->diagramPanel().setVisible(true);
    window->grid().setCurrentIndex(window->grid().shownRows().index(parktable::kFirstParkRow, 3));
    window->findBar().field().setText(QStringLiteral("xyz"));
    auto* none = window->grid().viewport()->findChild<QLabel*>(QStringLiteral("noMatchNotice"));
    ASSERT_NE(none, nullptr);
    EXPECT_TRUE(none->isVisible());
    EXPECT_EQ(none->text(), QStringLiteral("No park or team matches 'xyz' among the parks the filters keep"));
    EXPECT_FALSE(window->diagramPanel().diagram().has_value());
    window->findBar().field().clear();
    EXPECT_FALSE(none->isVisible());

    // A click on a chip takes its filter away.
    auto chips = window->filterChips().findChildren<QToolButton*>(QStringLiteral("filterChip"));
    ASSERT_EQ(chips.size(), 2);
    chips[0]->click();
    EXPECT_EQ(window->filterChips().chipTexts(), QStringList{QStringLiteral("HR, LHB: from 105")});
    filters.removeAt(0);
    EXPECT_EQ(window->findBar().countLabel().text(), QStringLiteral("%1 of %1 parks").arg(parks));
    EXPECT_TRUE(window->filterChips().isHidden());
}

TEST_F(TableFlows, TheNewFlowsWalkedByKeyboard) {
    auto window = shownWindow();
    openFolder(*window, makeSeason("season"));
    QTest::keyClick(window.get(), Qt::Key_G, Qt::AltModifier);
    QTest::qWait(150); // a mnemonic clicks its button as an animation
    ASSERT_TRUE(window->grid().table());
    gui::ParkGrid& grid = window->grid();

    // Into the grid: the focus frame shows where the keyboard is.
    grid.setFocus();
    EXPECT_EQ(window->focusFrame().framedWidget(), &grid);
    EXPECT_TRUE(window->focusFrame().isVisible());

    // Onto a Surface cell, Ctrl+Shift+L, tick the first word with Space, Enter.
    QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier);
    for (int c = 0; c < col::firstAttribute + 1; ++c)
        QTest::keyClick(&grid, Qt::Key_Right);
    ASSERT_EQ(grid.currentIndex().column(), col::firstAttribute + 1);
    QString firstWord;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<gui::ColumnFilterDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return;
        firstWord = dialog->wordList()->item(0)->text();
        QTest::keyClick(dialog->wordList(), Qt::Key_Space);
        QTest::keyClick(dialog->wordList(), Qt::Key_Return);
    });
    QTest::keyClick(&grid, Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_FALSE(firstWord.isEmpty());
    EXPECT_EQ(window->filterChips().chipTexts(), QStringList{QStringLiteral("Surface: ") + firstWord});

    // Tab leaves the grid for the next control; Ctrl+F and a name that is nowhere.
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(&grid, Qt::Key_Tab);
    EXPECT_FALSE(grid.hasFocus());
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(window->findBar().field().hasFocus());
    QTest::keyClicks(&window->findBar().field(), QStringLiteral("zzqq"));
    EXPECT_EQ(grid.shownRows().shownParkCount(), 0);
    QTest::keyClick(&window->findBar().field(), Qt::Key_Escape);
    EXPECT_GT(grid.shownRows().shownParkCount(), 0);

    // Copy with captions, from the keyboard.
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text().count(QLatin1Char('\n')), 3); // two caption rows, one park
}

} // namespace
} // namespace vendrix::test
