// Sorting and finding in the park grid on a season of 32,767 parks, each step up to the grid
// painted again, on Qt's offscreen platform.
#include "benchseason.h"
#include "gui/filters/columnfilter.h"
#include "gui/filters/filterchips.h"
#include "gui/filters/parkfilters.h"
#include "gui/grid/parkgrid.h"
#include "gui/grid/parkrowproxy.h"
#include "season/seasonfiles.h"
#include "season/seasonscan.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using vendrix::gui::ParkGrid;

// Counts the paintings of the grid's scrolling part, so a benchmark can show it painted once a step.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

PaintCounter& paintCounter() {
    static PaintCounter counter;
    return counter;
}

std::unique_ptr<ParkGrid>& gridSlot() {
    static std::unique_ptr<ParkGrid> grid;
    return grid;
}

// One grid for every benchmark: built once, shown, holding the season with its team names. main()
// destroys it while the application still lives: a widget must not outlive it.
ParkGrid* sharedGrid() {
    static const bool built = [] {
        vendrix::model::Season season = vendrix::bench::loadBenchSeason(vendrix::bench::benchSeason());
        auto made = std::make_unique<ParkGrid>();
        made->resize(1200, 600);
        made->viewport()->installEventFilter(&paintCounter());
        made->show();
        (void)QTest::qWaitForWindowExposed(made.get());
        if (season.parkCount() > 0)
            made->setSeason(std::move(season));
        gridSlot() = std::move(made);
        return true;
    }();
    (void)built;
    return gridSlot().get();
}

// What the event loop does after a step: the delayed layout of the rows, then one painting.
void paint(ParkGrid&) {
    QApplication::processEvents();
}

// The first click on a caption: from file order to sorted by the column.
void BM_GridSortByColumn(benchmark::State& state) {
    ParkGrid& grid = *sharedGrid();
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        grid.setFindText({});
        while (grid.shownRows().sortColumn() != -1)
            grid.activateCaption(grid.shownRows().sortColumn());
        paint(grid);
        state.ResumeTiming();
        const int before = paintCounter().paints;
        grid.activateCaption(column);
        paint(grid);
        state.counters["paints"] = paintCounter().paints - before;
    }
    if (!grid.table() || grid.shownRows().shownParkCount() != vendrix::bench::kBenchParks)
        state.SkipWithError("the grid does not show every park");
}
// Park name, team name, year, a distance, a height, a factor, a word.
BENCHMARK(BM_GridSortByColumn)
    ->ArgName("column")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Arg(10)
    ->Arg(20)
    ->Arg(26)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A sort while every park is selected (Ctrl+A): the selection follows the parks to their places.
void BM_GridSortAllSelected(benchmark::State& state) {
    ParkGrid& grid = *sharedGrid();
    grid.setFindText({});
    for (auto _ : state) {
        state.PauseTiming();
        while (grid.shownRows().sortColumn() != -1)
            grid.activateCaption(grid.shownRows().sortColumn());
        grid.selectAllParks();
        paint(grid);
        state.ResumeTiming();
        grid.activateCaption(vendrix::parktable::col::firstFactorLHB + 3);
        paint(grid);
    }
    grid.clearSelection();
}
BENCHMARK(BM_GridSortAllSelected)->Unit(benchmark::kMillisecond)->UseRealTime();

// One keystroke in the find field: the text typed so far, a letter more, the grid shown again;
// with the park rows sorted by a factor or in file order.
void BM_GridFindKeystroke(benchmark::State& state) {
    ParkGrid& grid = *sharedGrid();
    grid.setFindText({});
    while (grid.shownRows().sortColumn() != -1)
        grid.activateCaption(grid.shownRows().sortColumn());
    if (state.range(0) != 0)
        grid.activateCaption(vendrix::parktable::col::firstFactorLHB + 3);
    const QString typed = QStringLiteral("club 12");
    int length = 0;
    for (auto _ : state) {
        length = (length + 1) % (static_cast<int>(typed.size()) + 1); // the last step empties the field
        const int before = paintCounter().paints;
        grid.setFindText(typed.left(length));
        paint(grid);
        state.counters["paints"] = paintCounter().paints - before;
    }
}
BENCHMARK(BM_GridFindKeystroke)
    ->ArgName("sorted")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// One step of a filter by column: put in place, or taken away again, the grid shown again after it;
// a word of the Surface column, or a range of the HR factor for left-handed batters.
void BM_GridFilter(benchmark::State& state) {
    ParkGrid& grid = *sharedGrid();
    grid.setFindText({});
    vendrix::gui::FilterChips chips;
    vendrix::gui::ParkFilters filters(grid, chips);
    namespace col = vendrix::parktable::col;
    const auto filter =
        state.range(0) == 0
            ? vendrix::gui::ColumnFilter::words(col::firstAttribute + 1, {QStringLiteral("Grass")})
            : vendrix::gui::ColumnFilter::range(col::firstFactorLHB + 3, 105, std::nullopt);
    bool on = false;
    for (auto _ : state) {
        on = !on;
        if (on)
            filters.apply(*filter);
        else
            filters.removeColumn(filter->column());
        paint(grid);
    }
    filters.removeColumn(filter->column());
}
BENCHMARK(BM_GridFilter)->ArgName("range")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    gridSlot().reset();
    return 0;
}
