#include "flightsofball.h"

#include <algorithm>

namespace vendrix::flight {

const Flight& FlightsOfBall::in(const Conditions& conditions) {
    const auto known = std::find_if(flights_.begin(), flights_.end(),
                                    [&](const Flight& f) { return f.conditions() == conditions; });
    if (known != flights_.end())
        return *known;
    return flights_.emplace_back(ball_, conditions);
}

} // namespace vendrix::flight
