// Opens the window on a season folder, presses Get Park Info and saves what the window shows, for
// the documentation and for looking at the layout.
// Usage: vendrix-window-shot SEASON-FOLDER OUT.png [--scrolled] [--sorted] [--size=WIDTHxHEIGHT] [--diagram]
// --sorted: a larger window, the parks sorted by the home-run factor for left-handed batters,
// highest first.
//        [--compare=OTHER-SEASON-FOLDER] [--filters]
// --filters: two filters by column (Surface: Grass; HR, LHB from 105), shown as chips.
//        [--high-contrast]
// --high-contrast: the colours of a high-contrast desktop theme (white on black, as Windows' High
// Contrast Black), which the window must stay readable in.
//        [--written=FILE]: the CSV written to FILE, with the note that says so.
#include "app/comparisoncontroller.h"
#include "app/form1.h"
#include "gui/diagram/parkdiagrampanel.h"
#include "gui/filters/columnfilter.h"
#include "gui/filters/parkfilters.h"
#include "gui/flyball/flyballbar.h"
#include "gui/flyball/flyballcontroller.h"
#include "gui/folders/folderlist.h"
#include "gui/grid/parkgrid.h"
#include "standins.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <cstdio>

namespace {

struct ScriptedFolder : vendrix::gui::FolderDialog {
    std::filesystem::path chooseFolder(const QString&, const std::filesystem::path&) override {
        return folder;
    }
    std::filesystem::path folder;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: vendrix-window-shot SEASON-FOLDER OUT.png [--scrolled]\n");
        return 2;
    }
    if (args.contains(QStringLiteral("--high-contrast"))) {
        QPalette contrast(Qt::white, Qt::black);
        for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Button,
                                               QPalette::AlternateBase, QPalette::ToolTipBase})
            contrast.setColor(role, Qt::black);
        for (const QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText,
                                               QPalette::ToolTipText, QPalette::BrightText})
            contrast.setColor(role, Qt::white);
        contrast.setColor(QPalette::Highlight, QColor(0x1A, 0xEB, 0xFF));
        contrast.setColor(QPalette::HighlightedText, Qt::black);
        contrast.setColor(QPalette::PlaceholderText, QColor(0xC0, 0xC0, 0xC0));
        for (const QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            contrast.setColor(QPalette::Disabled, role, QColor(0x3F, 0xF2, 0x3F));
        QApplication::setPalette(contrast);
    }
    vendrix::test::StandIns standIns;
    vendrix::app::Form1 window(standIns.services());
    window.load();
    for (const QString& arg : args) {
        if (!arg.startsWith(QStringLiteral("--size=")))
            continue;
        const QStringList sides = arg.mid(7).split(QLatin1Char('x'));
        if (sides.size() == 2)
            window.resize(sides[0].toInt(), sides[1].toInt());
    }
    window.show();
    if (!QTest::qWaitForWindowExposed(&window) || !window.folderList().setPath(args[1])) {
        std::fprintf(stderr, "cannot open the window on %s\n", qPrintable(args[1]));
        return 1;
    }
    window.getParkInfoButton().click();
    if (args.contains(QStringLiteral("--sorted"))) {
        window.resize(1300, 640);
        const int homeRunsLeft = 20;
        window.grid().activateCaption(homeRunsLeft);
        window.grid().activateCaption(homeRunsLeft);
    }
    // Compared with another season, as "Compare with season..." leaves it.
    ScriptedFolder comparedWith;
    for (const QString& arg : args)
        if (arg.startsWith(QStringLiteral("--compare=")))
            comparedWith.folder = QFile::encodeName(arg.mid(10)).toStdString();
    if (!comparedWith.folder.empty()) {
        window.comparison().setFolderDialog(comparedWith);
        window.comparison().chooseAndCompare();
    }
    if (args.contains(QStringLiteral("--filters"))) {
        namespace col = vendrix::parktable::col;
        window.filters().apply(
            *vendrix::gui::ColumnFilter::words(col::firstAttribute + 1, {QStringLiteral("Grass")}));
        window.filters().apply(
            *vendrix::gui::ColumnFilter::range(col::firstFactorLHB + 3, 105, std::nullopt));
    }
    if (args.contains(QStringLiteral("--scrolled"))) {
        // Halfway both ways: the fixed rows and column must stay.
        for (QScrollBar* bar : {window.grid().horizontalScrollBar(), window.grid().verticalScrollBar()})
            bar->setValue(bar->maximum() / 2);
    }
    if (args.contains(QStringLiteral("--diagram"))) {
        // The diagram beside the table, one park compared with another.
        window.resize(1500, 760);
        vendrix::gui::ParkGrid& grid = window.grid();
        grid.setCurrentIndex(grid.model()->index(10, 3));
        window.diagramPanel().compareAction().trigger();
        grid.setCurrentIndex(grid.model()->index(2, 3));
    }
    for (const QString& arg : args)
        if (arg.startsWith(QStringLiteral("--written="))) {
            standIns.fileDialog.setNextFileName(QFile::encodeName(arg.mid(10)).toStdString());
            window.findChild<QPushButton*>(QStringLiteral("cmdWriteCSV"))->click();
        }
    // --flyball: the Fly ball bar open, the table scrolled to its column and the Shape HR columns, the
    // diagram with the ball's track and side view (docs/flyball.png).
    if (args.contains(QStringLiteral("--flyball"))) {
        window.resize(1500, 800);
        window.flyBall().showAction().trigger();
        window.flyBallBar().directionSlider().setValue(-22);
        window.flyBallBar().speedSlider().setValue(96);
        window.diagramPanel().showAction().setChecked(true);
        vendrix::gui::ParkGrid& grid = window.grid();
        grid.setCurrentIndex(grid.model()->index(4, vendrix::model::viewcol::flyBall));
        grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
    }
    QTest::qWait(300);
    if (!window.grab().save(args[2])) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
