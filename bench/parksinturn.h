#pragma once

#include "benchseason.h"
#include "parkdrawing/diagramcontent.h"
#include "parkshape/seasonshapes.h"

#include <benchmark/benchmark.h>

namespace vendrix::bench {

// Runs `draw` once an iteration on the diagram of the next park of the bench season, from the first
// again after the last: the window's diagram and the exporter's are measured on the same parks in
// the same order.
template <typename Draw> void drawParksInTurn(benchmark::State& state, Draw draw) {
    const model::Season* season = benchSeasonModel();
    if (season == nullptr || season->parkCount() != kBenchParks) {
        state.SkipWithError("the season was not loaded whole");
        return;
    }
    const parkshape::SeasonShapes shapes = parkshape::SeasonShapes::of(*season);
    int row = 1;
    for (auto _ : state) {
        draw(parkdrawing::DiagramContent::of(season->parkAtRow(row), shapes));
        row = row < season->parkCount() ? row + 1 : 1;
    }
}

} // namespace vendrix::bench
