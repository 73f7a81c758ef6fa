#pragma once

#include "hand.h"

namespace vendrix::flight {

// The spin of a batted ball in rpm, kept constant through the flight (the fit it comes with ignores
// spin decay), its axis fixed in space from the launch.
//   backspin: about the horizontal axis square to the launch direction; positive lifts the ball.
//   sidespin: about the axis square to the launch velocity in its vertical plane; positive turns
//     counter-clockwise seen from above and curves the ball towards the left-field side, negative
//     towards the right-field side (a right-handed batter's usual slice to the opposite field).
struct Spin {
    double backspinRpm = 0.0;
    double sidespinRpm = 0.0;

    // The magnitude of the spin vector, in rpm.
    double totalRpm() const;

    // The spin a batter of `hand` usually gives a ball launched at `angleDegrees` towards
    // `directionDegrees`, from the fit of spin to launch angle and direction over tracked batted
    // balls: backspin -763 + 120 angle + 21 direction s, sidespin -849 s - 94 direction, with s = +1
    // for a right-handed batter and -1 for a left-handed one.
    static Spin typical(double angleDegrees, double directionDegrees, Hand hand);

    constexpr bool operator==(const Spin&) const = default;
};

} // namespace vendrix::flight
