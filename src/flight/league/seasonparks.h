#pragma once

#include "flight/conditions.h"
#include "model/season.h"
#include "parkshape/parkshape.h"

#include <optional>
#include <string>
#include <vector>

namespace vendrix::flight {

// A season's parks as a fly ball meets them, made once a season and holding nothing of the season:
// each park's fence when the park counts (every fence distance and wall can be real, by the column
// catalogue's ranges) and its own air (ParkOwnConditions of its Avg Temp and Wind Spd codes). A park
// that cannot be real counts for nothing, whatever the ball.
class SeasonParks {
public:
    SeasonParks() = default;
    explicit SeasonParks(const model::Season& season);

    int count() const { return static_cast<int>(shapes_.size()); }
    // The fence of the park of a row (from 1); none when the park counts for nothing.
    const std::optional<parkshape::ParkShape>& shapeAt(int row) const {
        return shapes_[static_cast<std::size_t>(row - 1)];
    }
    // The park's own air; none when its Avg Temp or Wind Spd code has no word.
    const std::optional<Conditions>& ownAirAt(int row) const {
        return airs_[static_cast<std::size_t>(row - 1)];
    }

    // Why a park counts for nothing, in the catalogue's words ("A fence distance of -1 ft is outside 1
    // to 999 ft"), or why it has no air of its own when `ownAir` asks; empty when it counts.
    static std::string whyLeftOut(const model::Park& park, bool ownAir);

private:
    std::vector<std::optional<parkshape::ParkShape>> shapes_;
    std::vector<std::optional<Conditions>> airs_;
};

} // namespace vendrix::flight
