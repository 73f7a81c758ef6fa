// The three outputs of a 32,767-park table (the most a 16-bit record number reaches), and
// vendrix-export writing the CSV of that season from start to exit.
#include "heapcounter.h"
#include "output/csvexport.h"
#include "output/printedpages.h"
#include "output/printedreport.h"
#include "output/textreport.h"
#include "parktable/parktablebuilder.h"
#include "season/seasonfiles.h"
#include "season/seasonscan.h"
#include "seasonkit/sampleseason.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int kParks = 32767;

const fs::path& largeSeason() {
    static const fs::path folder = [] {
        auto path = fs::temp_directory_path() / "vendrix-bench-output-season-32767";
        vendrix::seasonkit::writeSeason(path, vendrix::seasonkit::syntheticSeason(kParks));
        return path;
    }();
    return folder;
}

struct LargeTable {
    vendrix::parktable::ParkTable table;
    std::string title;
};

const LargeTable& largeTable() {
    static const LargeTable large = [] {
        const auto scan = vendrix::season::scanSeasonFolder(
            largeSeason(), vendrix::season::listSeasonFileNames(largeSeason()));
        auto build = vendrix::parktable::buildParkTable(scan.parkFile, scan.teamByPark);
        return LargeTable{std::move(*build.table), scan.caption()};
    }();
    return large;
}

template <typename Output> void timeOutput(benchmark::State& state, Output output) {
    const LargeTable& large = largeTable();
    if (large.table.parkCount() != kParks)
        state.SkipWithError("the table was not built whole");
    std::size_t peak = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        vendrix::bench::HeapPeakScope heap;
        auto result = output(large);
        peak = heap.peakGrowth();
        bytes = result.size();
        benchmark::DoNotOptimize(result);
    }
    state.counters["peak_MB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
    state.counters["size"] = static_cast<double>(bytes);
}

void BM_CsvText(benchmark::State& state) {
    timeOutput(state, [](const LargeTable& large) { return vendrix::output::csvText(large.table); });
}
BENCHMARK(BM_CsvText)->Unit(benchmark::kMillisecond);

void BM_TextReport(benchmark::State& state) {
    timeOutput(state,
               [](const LargeTable& large) { return vendrix::output::textReport(large.table, large.title); });
}
BENCHMARK(BM_TextReport)->Unit(benchmark::kMillisecond);

void BM_LayoutPrintedReport(benchmark::State& state) {
    timeOutput(state, [](const LargeTable& large) {
        return vendrix::output::layoutPrintedReport(large.table, large.title).sections;
    });
}
BENCHMARK(BM_LayoutPrintedReport)->Unit(benchmark::kMillisecond);

void BM_PaginatePrintedReport(benchmark::State& state) {
    const LargeTable& large = largeTable();
    const auto report = vendrix::output::layoutPrintedReport(large.table, large.title);
    // Landscape A4 with 10 mm margins, 10-point lines: 47 lines to a sheet.
    const vendrix::output::PageMetrics metrics{539.0, 13.8, 11.3};
    for (auto _ : state)
        benchmark::DoNotOptimize(vendrix::output::paginate(report, metrics));
}
BENCHMARK(BM_PaginatePrintedReport)->Unit(benchmark::kMillisecond);

// From process start to exit: scan, table build, CSV and the atomic write of a 6 MB file.
void BM_ExportCsvEndToEnd(benchmark::State& state) {
    const std::string season = largeSeason().string();
    const std::string target = (fs::temp_directory_path() / "vendrix-bench-output.csv").string();
    std::vector<std::string> arguments{VENDRIX_EXPORT_PATH, season, "--csv", target};
    std::vector<char*> argv;
    for (auto& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    for (auto _ : state) {
        pid_t child = 0;
        int status = 0;
        if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0 ||
            waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("vendrix-export failed");
            break;
        }
    }
    state.counters["size"] = static_cast<double>(fs::file_size(target));
    fs::remove(target);
}
BENCHMARK(BM_ExportCsvEndToEnd)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
