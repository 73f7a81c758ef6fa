#pragma once

#include "benchseason.h"
#include "parkshape/seasonshapes.h"

#include <benchmark/benchmark.h>

namespace vendrix::bench {

// Runs `draw` once an iteration on the next park of the bench season, from the first again after the
// last, each park as `ofRow(table, row, season)` makes it: the window's diagram and the exporter's are
// measured on the same parks in the same order.
template <typename OfRow, typename Draw>
void drawParksInTurn(benchmark::State& state, OfRow ofRow, Draw draw) {
    const parktable::ParkTable* table = benchTable();
    if (table == nullptr || table->parkCount() != kBenchParks) {
        state.SkipWithError("the table was not built whole");
        return;
    }
    const parkshape::SeasonShapes season = parkshape::SeasonShapes::of(*table);
    int row = parktable::kFirstParkRow;
    for (auto _ : state) {
        draw(ofRow(*table, row, season));
        row = row + 1 < table->rowCount() ? row + 1 : parktable::kFirstParkRow;
    }
}

} // namespace vendrix::bench
