#pragma once

#include "flight/flight.h"

#include <array>
#include <vector>

namespace vendrix::flight {

// The fixed set of well-hit fly balls that measures a park's shape: every speed with every launch
// angle and every direction below, for each hand, with the usual spin for that hand (Spin::typical),
// in neutral air. Well-hit fly balls are mostly pulled: a right-handed batter's directions run from 30
// degrees towards the left-field line to 10 towards right field, 5 degrees apart, and a left-handed
// batter's balls are the mirror of those (Ball::mirrored). With their usual spin they land from about
// 42 degrees on the pull side to 20 on the other, 330 to 440 ft out, the band in which fences decide.
// 4 x 3 x 9 = 108 balls a hand.
class ShapeGrid {
public:
    static constexpr std::array<double, 4> kSpeedsMph{94.0, 98.0, 102.0, 106.0};
    static constexpr std::array<double, 3> kAnglesDegrees{24.0, 29.0, 34.0};
    static constexpr std::array<double, 9> kRightHandedDirectionsDegrees{-30.0, -25.0, -20.0, -15.0, -10.0,
                                                                         -5.0,  0.0,   5.0,   10.0};

    // The grid's balls for one hand, speed by speed, angle by angle, direction by direction; the
    // left-handed batter's i-th ball is the mirror of the right-handed one's.
    static std::vector<Ball> balls(Hand hand);

    // Flies every ball of the grid once.
    ShapeGrid();

    const std::vector<Flight>& flights(Hand hand) const { return hand == Hand::Left ? left_ : right_; }

private:
    std::vector<Flight> left_;
    std::vector<Flight> right_;
};

} // namespace vendrix::flight
