// The exporter's JSON and the season comparison on 32,767 parks, in memory: the season as JSON, and
// the season compared with its changed copy (the tables built once, outside the timing).
#include "benchseason.h"
#include "heapcounter.h"
#include "parkjson/seasonjson.h"
#include "seasondiff/comparisonjson.h"
#include "seasondiff/comparisontext.h"
#include "seasondiff/seasoncomparison.h"
#include "seasonkit/changedseason.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

namespace fs = std::filesystem;
using vendrix::bench::kBenchParks;

using vendrix::model::Season;

const Season& benchSeason() {
    static const Season season = vendrix::bench::loadBenchSeason(vendrix::bench::benchSeason());
    return season;
}

const Season& changedSeason() {
    static const Season season = [] {
        const fs::path folder = fs::temp_directory_path() / "vendrix-bench-season-32767-changed";
        vendrix::seasonkit::writeSeason(folder, vendrix::seasonkit::changedSyntheticSeason(kBenchParks));
        Season changed = vendrix::bench::loadBenchSeason(folder);
        fs::remove_all(folder);
        return changed;
    }();
    return season;
}

void BM_SeasonJson(benchmark::State& state) {
    const Season& season = benchSeason();
    if (season.parkCount() != kBenchParks)
        state.SkipWithError("the table was not built whole");
    std::size_t peak = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        vendrix::bench::HeapPeakScope heap;
        std::string json = vendrix::parkjson::seasonJson(season);
        peak = heap.peakGrowth();
        bytes = json.size();
        benchmark::DoNotOptimize(json);
    }
    state.counters["peak_MB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
    state.counters["size"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SeasonJson)->Unit(benchmark::kMillisecond);

// Matching, comparing and writing both forms; `size` counts the changed parks.
void BM_CompareSeasons(benchmark::State& state) {
    const Season& before = benchSeason();
    const Season& after = changedSeason();
    if (before.parkCount() != kBenchParks || after.parkCount() != kBenchParks)
        state.SkipWithError("the tables were not built whole");
    std::size_t peak = 0;
    std::size_t changed = 0;
    for (auto _ : state) {
        vendrix::bench::HeapPeakScope heap;
        const auto comparison = vendrix::seasondiff::compareSeasons(before, after);
        const vendrix::seasondiff::ComparedSeason old{before, "old"};
        const vendrix::seasondiff::ComparedSeason now{after, "new"};
        std::string text = vendrix::seasondiff::comparisonText(comparison, old, now);
        std::string json = vendrix::seasondiff::comparisonJson(comparison, old, now);
        peak = heap.peakGrowth();
        changed = comparison.changed.size();
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(json);
    }
    state.counters["peak_MB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
    state.counters["size"] = static_cast<double>(changed);
}
BENCHMARK(BM_CompareSeasons)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
