// The exporter's JSON and the season comparison on 32,767 parks, in memory: the season as JSON, and
// the season compared with its changed copy (the tables built once, outside the timing).
#include "benchseason.h"
#include "heapcounter.h"
#include "parkjson/seasonjson.h"
#include "parktable/parktablebuilder.h"
#include "season/seasonfiles.h"
#include "season/seasonscan.h"
#include "seasondiff/comparisonjson.h"
#include "seasondiff/comparisontext.h"
#include "seasondiff/seasoncomparison.h"
#include "seasonkit/changedseason.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

namespace fs = std::filesystem;
using vendrix::bench::kBenchParks;

struct Season {
    vendrix::parktable::ParkTable table;
    std::string league;
    std::string season;
};

Season readSeason(const fs::path& folder) {
    const auto scan = vendrix::season::scanSeasonFolder(folder, vendrix::season::listSeasonFileNames(folder));
    auto build = vendrix::parktable::buildParkTable(scan.parkFile, scan.teamByPark);
    if (!build.built())
        return {vendrix::parktable::ParkTable::withCaptions(), {}, {}};
    return {std::move(*build.table), scan.leagueName, scan.seasonText};
}

const Season& benchSeason() {
    static const Season season = readSeason(vendrix::bench::benchSeason());
    return season;
}

const Season& changedSeason() {
    static const Season season = [] {
        const fs::path folder = fs::temp_directory_path() / "vendrix-bench-season-32767-changed";
        vendrix::seasonkit::writeSeason(folder, vendrix::seasonkit::changedSyntheticSeason(kBenchParks));
        Season changed = readSeason(folder);
        fs::remove_all(folder);
        return changed;
    }();
    return season;
}

void BM_SeasonJson(benchmark::State& state) {
    const Season& season = benchSeason();
    if (season.table.parkCount() != kBenchParks)
        state.SkipWithError("the table was not built whole");
    std::size_t peak = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        vendrix::bench::HeapPeakScope heap;
        std::string json = vendrix::parkjson::seasonJson(season.table, {season.league, season.season});
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
    if (before.table.parkCount() != kBenchParks || after.table.parkCount() != kBenchParks)
        state.SkipWithError("the tables were not built whole");
    std::size_t peak = 0;
    std::size_t changed = 0;
    for (auto _ : state) {
        vendrix::bench::HeapPeakScope heap;
        const auto comparison = vendrix::seasondiff::compareSeasons(before.table, after.table);
        const vendrix::seasondiff::ComparedSeason old{before.league, before.season, "old", before.table};
        const vendrix::seasondiff::ComparedSeason now{after.league, after.season, "new", after.table};
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
