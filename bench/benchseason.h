#pragma once

#include <filesystem>

namespace vendrix::bench {

// The most parks a park file holds: record numbers are 16-bit.
inline constexpr int kBenchParks = 32767;

// The season the benchmarks run on: the folder that VENDRIX_BENCH_SEASON names (scripts/bench makes
// it with make-sample-season), or else a synthetic season of kBenchParks parks, written once into
// the temporary folder.
const std::filesystem::path& benchSeason();

} // namespace vendrix::bench
