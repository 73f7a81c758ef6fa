#pragma once

#include <array>

namespace vendrix::parkshape {

// The fence distance as a function of the angle, through seven measured points at equal angle
// steps: a monotone piecewise cubic (Fritsch-Carlson slopes, the three-point end slopes kept to the
// shape). Between two points it never rises above the larger of their distances nor sinks below the
// smaller, so the drawn wall never invents a corner or a bulge that no measure shows.
class FenceCurve {
public:
    static constexpr int kPointCount = 7;

    // values[i] is the distance at firstAngle + i * step (any unit; degrees are the shape's choice).
    FenceCurve(const std::array<double, kPointCount>& values, double firstAngle, double step);

    double valueAt(double angle) const;

    // The integral of the squared value over the whole span, exact for this piecewise cubic
    // (a fourth-order Gauss rule per interval integrates the degree-six square without error).
    double integralOfSquare() const;

    double firstAngle() const { return firstAngle_; }
    double lastAngle() const { return firstAngle_ + step_ * (kPointCount - 1); }

private:
    std::array<double, kPointCount> values_;
    std::array<double, kPointCount> slopes_{}; // derivative at each point, per unit of angle
    double firstAngle_;
    double step_;
};

} // namespace vendrix::parkshape
