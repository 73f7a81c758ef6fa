#pragma once

#include "flight.h"

#include <array>
#include <vector>

namespace vendrix::flight {

// The fixed set of well-hit fly balls that measures a park's shape: every speed with every launch
// angle and every direction below, for each hand, with the usual spin for that hand (Spin::typical),
// in neutral air. 4 x 3 x 9 = 108 balls a hand; in neutral air they carry from about 340 to 450 ft,
// the band in which fences decide.
class ShapeGrid {
public:
    static constexpr std::array<double, 4> kSpeedsMph{98.0, 102.0, 106.0, 110.0};
    static constexpr std::array<double, 3> kAnglesDegrees{24.0, 29.0, 34.0};
    static constexpr std::array<double, 9> kDirectionsDegrees{-40.0, -30.0, -20.0, -10.0, 0.0,
                                                              10.0,  20.0,  30.0,  40.0};

    // The grid's balls for one hand, speed by speed, angle by angle, direction by direction.
    static std::vector<Ball> balls(Hand hand);

    // Flies every ball of the grid once.
    ShapeGrid();

    const std::vector<Flight>& flights(Hand hand) const { return hand == Hand::Left ? left_ : right_; }

private:
    std::vector<Flight> left_;
    std::vector<Flight> right_;
};

} // namespace vendrix::flight
