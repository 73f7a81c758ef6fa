#pragma once

#include "parktable.h"

#include <string>

namespace vendrix::parktable {

// Whether a number cell can hold a real value. Park files hold nonsense now and then (a distance of
// -1 or 32,767, a wall of 200 ft, a factor of 0); such a value is shown as stored, but marked, and
// left out of the league's averages. Only fence distances (1 to 999 ft), fence heights (at most
// 100 ft) and park factors (above 0) are judged; every other cell is plausible.
class CellPlausibility {
public:
    static constexpr int kShortestFence = 1;
    static constexpr int kLongestFence = 999;
    static constexpr int kHighestWall = 100;

    // The quick test, without the reason: for a whole season's cells.
    static bool isPlausible(int column, int value);
    // The judgement of a value in a column.
    static CellPlausibility of(int column, int value);
    // The judgement of a park cell; a cell that holds no number is plausible (it counts for nothing).
    static CellPlausibility of(const ParkTable& table, int row, int column);

    bool plausible() const { return reason_.empty(); }
    // Why the value cannot be real, for a tooltip: "A fence distance of 1200 ft is outside 1 to 999 ft".
    // Empty when it is plausible.
    const std::string& reason() const { return reason_; }

private:
    std::string reason_;
};

} // namespace vendrix::parktable
