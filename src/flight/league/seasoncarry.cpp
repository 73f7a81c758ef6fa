#include "seasoncarry.h"

#include <algorithm>

namespace vendrix::flight {

SeasonCarry SeasonCarry::of(const SeasonParks& parks, const Ball& ball, const Air& air) {
    SeasonCarry carry;
    carry.air_ = air;
    std::vector<Conditions> airs{air.everywhere.value_or(Conditions::neutral())};
    carry.flights_.emplace_back(ball, airs.front());
    const auto count = static_cast<std::size_t>(parks.count());
    carry.flightOfPark_.assign(count, 0);
    carry.verdicts_.resize(count);
    for (int row = 1; row <= parks.count(); ++row) {
        const std::optional<parkshape::ParkShape>& shape = parks.shapeAt(row);
        std::optional<ParkVerdict> verdict;
        if (shape && air.isParksOwn()) {
            // A league's parks share a few dozen airs at most: each is flown once.
            if (const std::optional<Conditions>& own = parks.ownAirAt(row)) {
                auto found = std::find(airs.begin(), airs.end(), *own);
                if (found == airs.end()) {
                    airs.push_back(*own);
                    carry.flights_.emplace_back(ball, *own);
                    found = airs.end() - 1;
                }
                const auto flight = static_cast<std::uint16_t>(found - airs.begin());
                carry.flightOfPark_[index(row)] = flight;
                verdict = ParkVerdict::of(carry.flights_[flight], *shape);
            }
        } else if (shape) {
            verdict = ParkVerdict::of(carry.flights_.front(), *shape);
        }
        carry.tally_.add(row, verdict);
        carry.verdicts_[index(row)] = std::move(verdict);
    }
    return carry;
}

} // namespace vendrix::flight
