#pragma once

#include "model/season.h"
#include "parktable/parktable.h"

#include <filesystem>

namespace vendrix::bench {

// The most parks a park file holds: record numbers are 16-bit.
inline constexpr int kBenchParks = 32767;

// The season the benchmarks run on: the folder that VENDRIX_BENCH_SEASON names (scripts/bench makes
// it with make-sample-season), or else a synthetic season of kBenchParks parks, written once into
// the temporary folder.
const std::filesystem::path& benchSeason();

// The season of benchSeason(), loaded once, and its park table; null when it cannot be loaded.
const model::Season* benchSeasonModel();
const parktable::ParkTable* benchTable();

// A season folder loaded as the exporter loads it; an empty season when it cannot be.
model::Season loadBenchSeason(const std::filesystem::path& folder);

} // namespace vendrix::bench
