#pragma once

#include "parkverdict.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vendrix::flight {

// A league's count of one fly ball: in how many of the parks that count it is out, and which parks
// those are. Parks without a verdict (a wall that cannot be drawn or be real) count for nothing.
class CarryTally {
public:
    // Parks are named in the summary when this few are out, or this few are not.
    static constexpr std::size_t kNamedAtMost = 4;

    // `row` is whatever the caller names parks by (the table's 1-based row, say).
    void add(int row, const std::optional<ParkVerdict>& verdict);

    std::size_t outCount() const { return outRows_.size(); }
    std::size_t parkCount() const { return outRows_.size() + otherRows_.size(); }
    const std::vector<int>& outRows() const { return outRows_; }
    const std::vector<int>& otherRows() const { return otherRows_; }

    // "Out in 17 of 32 parks"; with few out, "Out in 2 of 32 parks: Gullwing Field, Ore Cart Yard";
    // with few not out, "Out in 30 of 32 parks, not in Gullwing Field, Ore Cart Yard"; "No park
    // counts" when none does. Names are joined as `nameOf` gives them (bytes unchanged).
    std::string summary(const std::function<std::string(int row)>& nameOf) const;

private:
    std::vector<int> outRows_;
    std::vector<int> otherRows_;
};

} // namespace vendrix::flight
