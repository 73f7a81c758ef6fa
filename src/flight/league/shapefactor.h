#pragma once

#include "parkshape/parkshape.h"
#include "shapegrid.h"

#include <optional>
#include <span>
#include <vector>

namespace vendrix::flight {

// A park's shape against its factors: the share of the shape grid's fly balls that clear its walls,
// for left- and right-handed batters, and the same as a factor beside the season's own HR factors:
// 100 times the park's share over the league's mean share (the mean over the parks that count), so
// that the league is 100.
struct ShapeFactor {
    double shareLhb = 0.0; // 0..1
    double shareRhb = 0.0;
    std::optional<double> hrLhb; // none when no grid ball clears any park's walls for that hand
    std::optional<double> hrRhb;

    // One entry a park, in the order given. A park given as none (its values cannot be real) or whose
    // wall cannot be drawn gets none and is left out of the league's mean.
    static std::vector<std::optional<ShapeFactor>>
    ofParks(const ShapeGrid& grid, std::span<const std::optional<parkshape::ParkShape>> parks);

    // The same in two halves, for a caller that spreads a large league over threads: one park's shares
    // (no factor yet; none for a wall that cannot be drawn), which reads the grid only; then every
    // park's factors from all the shares.
    static std::optional<ShapeFactor> sharesOf(const ShapeGrid& grid, const parkshape::ParkShape& park);
    static void scaleToLeague(std::span<std::optional<ShapeFactor>> factors);
};

} // namespace vendrix::flight
