// The three outputs of a 32,767-park table (the most a 16-bit record number reaches), the atomic
// write of an output file, and the floor of that write: the same bytes written bare, with and
// without the fsync that the atomic writer does.
#include "benchseason.h"
#include "heapcounter.h"
#include "output/csvexport.h"
#include "output/outputfile.h"
#include "output/printedpages.h"
#include "output/printedreport.h"
#include "output/textreport.h"
#include "season/seasonfiles.h"
#include "season/seasonscan.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using vendrix::bench::kBenchParks;

// The bench season's table and its caption.
struct LargeTable {
    vendrix::parktable::ParkTable table;
    std::string title;
};

const LargeTable& largeTable() {
    static const vendrix::model::Season empty;
    static const LargeTable large = [] {
        const vendrix::model::Season* season = vendrix::bench::benchSeasonModel();
        if (season == nullptr)
            return LargeTable{vendrix::parktable::ParkTable(empty), {}};
        return LargeTable{*vendrix::bench::benchTable(), season->caption()};
    }();
    return large;
}

template <typename Output> void timeOutput(benchmark::State& state, Output output) {
    const LargeTable& large = largeTable();
    if (large.table.parkCount() != kBenchParks)
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

// `size` counts the lines of the four sections.
void BM_LayoutPrintedReport(benchmark::State& state) {
    const LargeTable& large = largeTable();
    std::size_t peak = 0;
    std::size_t lines = 0;
    for (auto _ : state) {
        vendrix::bench::HeapPeakScope heap;
        auto report = vendrix::output::layoutPrintedReport(large.table, large.title);
        peak = heap.peakGrowth();
        lines = 0;
        for (const auto& section : report.sections)
            lines += section.size();
        benchmark::DoNotOptimize(report);
    }
    state.counters["peak_MB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
    state.counters["size"] = static_cast<double>(lines);
}
BENCHMARK(BM_LayoutPrintedReport)->Unit(benchmark::kMillisecond);

void BM_PaginatePrintedReport(benchmark::State& state) {
    const LargeTable& large = largeTable();
    const auto report = vendrix::output::layoutPrintedReport(large.table, large.title);
    // Landscape A4 with 10 mm margins, 10-point lines: 47 lines to a sheet.
    const vendrix::output::PageMetrics metrics{539.0, 13.8, 11.3};
    std::size_t pages = 0;
    for (auto _ : state) {
        auto paginated = vendrix::output::paginate(report, metrics);
        pages = paginated.size();
        benchmark::DoNotOptimize(paginated);
    }
    state.counters["size"] = static_cast<double>(pages);
}
BENCHMARK(BM_PaginatePrintedReport)->Unit(benchmark::kMillisecond);

// The bytes of the CSV (argument 0) or the text report (argument 1).
const std::string& outputBytes(std::int64_t which) {
    static const std::string csv = vendrix::output::csvText(largeTable().table);
    static const std::string text = vendrix::output::textReport(largeTable().table, largeTable().title);
    return which == 0 ? csv : text;
}

fs::path outputTarget(const char* name) {
    return fs::temp_directory_path() / name;
}

// What the Write CSV file and Write text file buttons and vendrix-export do with the bytes: a new
// temporary file, fsync, rename over the target.
void BM_WriteOutputFile(benchmark::State& state) {
    const std::string& bytes = outputBytes(state.range(0));
    const fs::path target = outputTarget("vendrix-bench-output");
    for (auto _ : state)
        vendrix::output::writeOutputFile(target, bytes);
    state.counters["size"] = static_cast<double>(bytes.size());
    fs::remove(target);
}
BENCHMARK(BM_WriteOutputFile)->ArgName("text")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor of any output: the same bytes written into a new file in one write, with and without
// fsync. (Rewriting a file in place would not do for "without": ext4 starts writing a truncated
// file back to disk when it is closed.)
void BM_WriteFloor(benchmark::State& state) {
    const std::string& bytes = outputBytes(state.range(0));
    const bool durable = state.range(1) != 0;
    const fs::path target = outputTarget("vendrix-bench-floor");
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(target);
        state.ResumeTiming();
        const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        std::size_t written = 0;
        while (fd >= 0 && written < bytes.size()) {
            const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
            if (n <= 0)
                break;
            written += static_cast<std::size_t>(n);
        }
        if (fd < 0 || written != bytes.size() || (durable && ::fsync(fd) != 0) || ::close(fd) != 0) {
            state.SkipWithError("the floor file could not be written");
            break;
        }
    }
    state.counters["size"] = static_cast<double>(bytes.size());
    fs::remove(target);
}
BENCHMARK(BM_WriteFloor)
    ->ArgNames({"text", "fsync"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
