// Loads the season model from a season of 32,767 parks (the most a 16-bit record number reaches),
// and reads the same file bare, the floor that no load can beat.
#include "benchseason.h"
#include "heapcounter.h"
#include "model/seasonloader.h"
#include "season/seasonfiles.h"
#include "season/seasonscan.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

using vendrix::bench::benchSeason;
using vendrix::bench::kBenchParks;

void reportPeak(benchmark::State& state, std::size_t peakBytes) {
    state.counters["peak_MB"] = static_cast<double>(peakBytes) / (1024.0 * 1024.0);
}

void BM_ReadParkFileBare(benchmark::State& state) {
    const auto file = benchSeason() / "dmbpark.dat";
    std::vector<char> buffer(std::filesystem::file_size(file));
    for (auto _ : state) {
        std::FILE* f = std::fopen(file.c_str(), "rb");
        benchmark::DoNotOptimize(std::fread(buffer.data(), 1, buffer.size(), f));
        std::fclose(f);
    }
    state.counters["size"] = static_cast<double>(buffer.size());
}
BENCHMARK(BM_ReadParkFileBare)->Unit(benchmark::kMillisecond);

void BM_ScanSeasonFolder(benchmark::State& state) {
    const auto& folder = benchSeason();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            vendrix::season::scanSeasonFolder(folder, vendrix::season::listSeasonFileNames(folder)));
}
BENCHMARK(BM_ScanSeasonFolder)->Unit(benchmark::kMillisecond);

void BM_DecodeAndBuildSeason(benchmark::State& state) {
    const auto& folder = benchSeason();
    const auto scan = vendrix::season::scanSeasonFolder(folder, vendrix::season::listSeasonFileNames(folder));
    std::size_t peak = 0;
    for (auto _ : state) {
        vendrix::bench::HeapPeakScope heap;
        auto build = vendrix::model::buildSeason(scan, folder, scan.parkFile);
        if (!build.built() || build.season->parkCount() != kBenchParks)
            state.SkipWithError("the season was not built whole");
        peak = heap.peakGrowth();
        benchmark::DoNotOptimize(build);
    }
    reportPeak(state, peak);
}
BENCHMARK(BM_DecodeAndBuildSeason)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
