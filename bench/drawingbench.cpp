// One park's diagram laid out as primitives and written as SVG, as vendrix-export --diagrams does on
// each of its threads, parks taken in turn from the 32,767-park season; and the floor of the whole
// run: creating as many files of the same size, bare, on one thread.
#include "parkdrawing/parkdrawing.h"
#include "parkdrawing/svgwriter.h"
#include "parkshape/seasonshapes.h"
#include "parksinturn.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace {

using namespace vendrix;

void BM_LayOutParkDrawing(benchmark::State& state) {
    bench::drawParksInTurn(state, [](const parkdrawing::DiagramContent& content) {
        benchmark::DoNotOptimize(parkdrawing::ParkDrawing::draw(content, {}));
    });
}
BENCHMARK(BM_LayOutParkDrawing)->Unit(benchmark::kMillisecond);

std::size_t lastSvgSize = 11000;

void BM_ParkDrawingSvg(benchmark::State& state) {
    bench::drawParksInTurn(state, [](const parkdrawing::DiagramContent& content) {
        lastSvgSize = parkdrawing::SvgWriter::write(parkdrawing::ParkDrawing::draw(content, {}),
                                                    {.title = content.name})
                          .size();
    });
    state.counters["size"] = static_cast<double>(lastSvgSize);
}
BENCHMARK(BM_ParkDrawingSvg)->Unit(benchmark::kMillisecond);

void BM_CreateDiagramFilesFloor(benchmark::State& state) {
    namespace fs = std::filesystem;
    const std::string bytes(lastSvgSize, 'x');
    const fs::path folder = fs::temp_directory_path() / "vendrix-bench-files";
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(folder);
        fs::create_directories(folder);
        state.ResumeTiming();
        for (int park = 0; park < bench::kBenchParks; ++park) {
            std::FILE* file =
                std::fopen((folder / (std::to_string(park) + " Park Name.svg")).string().c_str(), "wb");
            if (file == nullptr) {
                state.SkipWithError("cannot create a file");
                return;
            }
            std::fwrite(bytes.data(), 1, bytes.size(), file);
            std::fclose(file);
        }
    }
    fs::remove_all(folder);
}
BENCHMARK(BM_CreateDiagramFilesFloor)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
