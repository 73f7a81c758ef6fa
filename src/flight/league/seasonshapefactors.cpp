#include "seasonshapefactors.h"

#include <algorithm>
#include <map>
#include <thread>
#include <utility>

namespace vendrix::flight {

namespace {

// Below this many distinct fences a second thread costs more than it saves.
constexpr std::size_t kParksForThreads = 256;

using Fence =
    std::pair<std::array<int, parkshape::kFencePointCount>, std::array<int, parkshape::kFencePointCount>>;

Fence fenceOf(const parkshape::ParkShape& shape) {
    Fence fence;
    for (std::size_t i = 0; i < shape.points().size(); ++i) {
        fence.first[i] = shape.points()[i].distance;
        fence.second[i] = shape.points()[i].height;
    }
    return fence;
}

} // namespace

std::vector<std::optional<ShapeFactor>> seasonShapeFactors(const SeasonParks& parks, const ShapeGrid& grid) {
    // Each distinct fence once, in the order first met.
    std::map<Fence, std::size_t> distinct;
    std::vector<const parkshape::ParkShape*> fences;
    std::vector<std::size_t> fenceOfRow(static_cast<std::size_t>(parks.count()), 0);
    for (int row = 1; row <= parks.count(); ++row) {
        if (const auto& shape = parks.shapeAt(row)) {
            const auto [at, added] = distinct.try_emplace(fenceOf(*shape), fences.size());
            if (added)
                fences.push_back(&*shape);
            fenceOfRow[static_cast<std::size_t>(row - 1)] = at->second;
        }
    }
    std::vector<std::optional<ShapeFactor>> shares(fences.size());
    const auto judge = [&](std::size_t first, std::size_t step) {
        for (std::size_t i = first; i < fences.size(); i += step)
            shares[i] = ShapeFactor::sharesOf(grid, *fences[i]);
    };
    const std::size_t threads =
        fences.size() < kParksForThreads ? 1 : std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> helpers;
    for (std::size_t t = 1; t < threads; ++t)
        helpers.emplace_back(judge, t, threads);
    judge(0, threads);
    for (std::thread& helper : helpers)
        helper.join();

    // The league's mean is over parks, not fences: a fence that several parks share counts as often.
    std::vector<std::optional<ShapeFactor>> factors(static_cast<std::size_t>(parks.count()));
    for (int row = 1; row <= parks.count(); ++row)
        if (parks.shapeAt(row))
            factors[static_cast<std::size_t>(row - 1)] =
                shares[fenceOfRow[static_cast<std::size_t>(row - 1)]];
    ShapeFactor::scaleToLeague(factors);
    return factors;
}

} // namespace vendrix::flight
