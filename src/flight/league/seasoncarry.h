#pragma once

#include "carrytally.h"
#include "flight/flight.h"
#include "parkverdict.h"
#include "seasonparks.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vendrix::flight {

// The air a fly ball is flown in: the same everywhere, or each park's own (ParkOwnConditions).
struct Air {
    std::optional<Conditions> everywhere; // none: each park's own

    static Air of(const Conditions& conditions) { return {conditions}; }
    static Air parksOwn() { return {}; }
    bool isParksOwn() const { return !everywhere.has_value(); }
    bool operator==(const Air&) const = default;
};

// One fly ball against every park of a season: flown once in each air it meets, judged in each park
// that counts, counted as the table's line counts it.
class SeasonCarry {
public:
    // A ball and air with no problem().
    static SeasonCarry of(const SeasonParks& parks, const Ball& ball, const Air& air);

    // The ball in the open, no wall in its way: in the air given, or in neutral air when each park has
    // its own.
    const Flight& open() const { return flights_.front(); }
    // The verdict in the park of a row (from 1); none for a park that counts for nothing.
    const std::optional<ParkVerdict>& verdictAt(int row) const { return verdicts_[index(row)]; }
    // The flight the park of a row was judged on (its own air's, or the air given).
    const Flight& flightAt(int row) const { return flights_[flightOfPark_[index(row)]]; }
    const CarryTally& tally() const { return tally_; }
    int parkCount() const { return static_cast<int>(verdicts_.size()); }
    const Air& air() const { return air_; }

private:
    static std::size_t index(int row) { return static_cast<std::size_t>(row - 1); }

    Air air_;
    std::vector<Flight> flights_; // the open one first
    std::vector<std::uint16_t> flightOfPark_;
    std::vector<std::optional<ParkVerdict>> verdicts_;
    CarryTally tally_;
};

} // namespace vendrix::flight
