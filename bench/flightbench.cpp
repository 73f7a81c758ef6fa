// A fly ball against every park of the largest season, a league's log of batted balls against its 30
// parks, and the shape factors of every park: on synthetic parks of varied shape, so the benchmarks do
// not wait on a season file.
#include "flight/league/battedballcsv.h"
#include "flight/league/carrytally.h"
#include "flight/league/parkverdict.h"
#include "flight/league/shapefactor.h"

#include <benchmark/benchmark.h>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace vendrix;

constexpr int kSeasonParks = 32767;
constexpr int kLeagueParks = 30;
constexpr int kLogBalls = 10000;

// Parks from 290 ft lines to 440 ft centre fields, walls of 4 to 40 ft, a few with a distance that
// cannot be drawn; the same every run.
std::vector<std::optional<parkshape::ParkShape>> variedParks(int count) {
    std::mt19937 random(2031);
    std::uniform_int_distribution<int> spread(-25, 25);
    std::uniform_int_distribution<int> wall(4, 40);
    constexpr std::array<int, 7> kUsual{320, 360, 385, 405, 385, 360, 320};
    std::vector<std::optional<parkshape::ParkShape>> parks;
    parks.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        parkshape::FenceMeasures m;
        for (std::size_t p = 0; p < kUsual.size(); ++p) {
            m.distance[p] = kUsual[p] + spread(random);
            m.height[p] = wall(random);
        }
        if (i % 997 == 5)
            m.distance[2] = -1;
        parks.emplace_back(parkshape::ParkShape(m));
    }
    return parks;
}

// The window's drag of the direction dial: each iteration a new ball, flown once and judged in every
// park, counted as the window's line counts it.
void BM_FlyBallAgainstEveryPark(benchmark::State& state) {
    const auto parks = variedParks(kSeasonParks);
    int step = 0;
    std::size_t out = 0;
    for (auto _ : state) {
        const flight::Ball ball{102.0, 28.0, -40.0 + (step++ % 81), std::nullopt, std::nullopt};
        const flight::Flight flight(ball);
        flight::CarryTally tally;
        for (std::size_t i = 0; i < parks.size(); ++i)
            tally.add(static_cast<int>(i) + 1, flight::ParkVerdict::of(flight, *parks[i]));
        out = tally.outCount();
        benchmark::DoNotOptimize(out);
    }
    state.counters["parks"] = static_cast<double>(parks.size());
}
BENCHMARK(BM_FlyBallAgainstEveryPark)->Unit(benchmark::kMillisecond);

// `--balls`: a log of 10,000 balls of every kind read from CSV, each flown once and judged in 30 parks.
void BM_BattedBallLogAgainstLeague(benchmark::State& state) {
    const auto parks = variedParks(kLeagueParks);
    std::mt19937 random(24);
    std::uniform_real_distribution<double> speed(70.0, 118.0);
    std::uniform_real_distribution<double> angle(5.0, 50.0);
    std::uniform_real_distribution<double> direction(-50.0, 50.0);
    std::string csv = "speed,angle,direction,hand\n";
    for (int i = 0; i < kLogBalls; ++i)
        csv += std::to_string(speed(random)) + "," + std::to_string(angle(random)) + "," +
               std::to_string(direction(random)) + "," + (i % 3 == 0 ? "L" : "R") + "\n";
    std::size_t out = 0;
    for (auto _ : state) {
        const flight::BattedBallFile file = flight::BattedBallFile::read(csv);
        for (const flight::BattedBall& batted : file.balls) {
            const flight::Flight flight(batted.ball);
            for (const auto& park : parks) {
                const auto verdict = flight::ParkVerdict::of(flight, *park);
                out += verdict && verdict->verdict == flight::Verdict::Out ? 1 : 0;
            }
        }
        benchmark::DoNotOptimize(out);
    }
    state.counters["balls"] = kLogBalls;
}
BENCHMARK(BM_BattedBallLogAgainstLeague)->Unit(benchmark::kMillisecond);

// The shape factors' column over a league: the grid flown once, then every park judged on it.
void BM_ShapeFactors(benchmark::State& state) {
    const auto parks = variedParks(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const flight::ShapeGrid grid;
        benchmark::DoNotOptimize(flight::ShapeFactor::ofParks(grid, parks));
    }
}
BENCHMARK(BM_ShapeFactors)->Arg(kLeagueParks)->Arg(kSeasonParks)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
