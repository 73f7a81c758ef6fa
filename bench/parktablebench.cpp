// Builds the park table from a generated season of 32,767 parks (the most a 16-bit record number
// reaches), and reads the same file bare, the floor that no build can beat.
#include "heapcounter.h"
#include "parktable/parktablebuilder.h"
#include "season/seasonfiles.h"
#include "season/seasonscan.h"
#include "seasonkit/sampleseason.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

constexpr int kParks = 32767;

const std::filesystem::path& largeSeason() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / "vendrix-bench-season-32767";
        vendrix::seasonkit::writeSeason(path, vendrix::seasonkit::syntheticSeason(kParks));
        return path;
    }();
    return folder;
}

void reportPeak(benchmark::State& state, std::size_t peakBytes) {
    state.counters["peak_MB"] = static_cast<double>(peakBytes) / (1024.0 * 1024.0);
}

void BM_ReadParkFileBare(benchmark::State& state) {
    const auto file = largeSeason() / "dmbpark.dat";
    std::vector<char> buffer(std::filesystem::file_size(file));
    for (auto _ : state) {
        std::FILE* f = std::fopen(file.c_str(), "rb");
        benchmark::DoNotOptimize(std::fread(buffer.data(), 1, buffer.size(), f));
        std::fclose(f);
    }
}
BENCHMARK(BM_ReadParkFileBare)->Unit(benchmark::kMillisecond);

void BM_ScanSeasonFolder(benchmark::State& state) {
    const auto& folder = largeSeason();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            vendrix::season::scanSeasonFolder(folder, vendrix::season::listSeasonFileNames(folder)));
}
BENCHMARK(BM_ScanSeasonFolder)->Unit(benchmark::kMillisecond);

void BM_DecodeAndBuildParkTable(benchmark::State& state) {
    const auto& folder = largeSeason();
    const auto scan = vendrix::season::scanSeasonFolder(folder, vendrix::season::listSeasonFileNames(folder));
    std::size_t peak = 0;
    for (auto _ : state) {
        vendrix::bench::HeapPeakScope heap;
        auto build = vendrix::parktable::buildParkTable(scan.parkFile, scan.teamByPark);
        if (!build.built() || build.table->parkCount() != kParks)
            state.SkipWithError("the table was not built whole");
        peak = heap.peakGrowth();
        benchmark::DoNotOptimize(build);
    }
    reportPeak(state, peak);
}
BENCHMARK(BM_DecodeAndBuildParkTable)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
