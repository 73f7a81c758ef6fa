#pragma once

#include "parktable/parktable.h"

#include <filesystem>

namespace vendrix::bench {

// The most parks a park file holds: record numbers are 16-bit.
inline constexpr int kBenchParks = 32767;

// The season the benchmarks run on: the folder that VENDRIX_BENCH_SEASON names (scripts/bench makes
// it with make-sample-season), or else a synthetic season of kBenchParks parks, written once into
// the temporary folder.
const std::filesystem::path& benchSeason();

// The park table of benchSeason(), built once; null when it cannot be built.
const parktable::ParkTable* benchTable();

} // namespace vendrix::bench
