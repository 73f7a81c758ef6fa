#pragma once

#include "flight/flight.h"

#include <deque>

namespace vendrix::flight {

// One ball flown in each of the airs it is asked about, each air once: with "each park's own"
// conditions a league's parks share a few dozen airs at most, and each park takes its verdict from
// the flight in its own. References stay valid for the object's life.
class FlightsOfBall {
public:
    explicit FlightsOfBall(const Ball& ball) : ball_(ball) {}

    const Ball& ball() const { return ball_; }

    const Flight& in(const Conditions& conditions);

private:
    Ball ball_;
    std::deque<Flight> flights_;
};

} // namespace vendrix::flight
