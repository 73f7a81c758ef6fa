#include "ball.h"

#include <cmath>

namespace vendrix::flight {

namespace {

bool within(double value, double low, double high) {
    return std::isfinite(value) && value >= low && value <= high;
}

} // namespace

Spin Ball::spin() const {
    const Spin usual = Spin::typical(angleDegrees, directionDegrees, batter);
    return {backspinRpm.value_or(usual.backspinRpm), sidespinRpm.value_or(usual.sidespinRpm)};
}

std::optional<ValueProblem> Ball::problem() const {
    if (!within(speedMph, 0.0, kMaxSpeedMph))
        return ValueProblem{"speed", "must be 0 to 200 mph"};
    if (!within(angleDegrees, -kMaxAngleDegrees, kMaxAngleDegrees))
        return ValueProblem{"angle", "must be -90 to 90 degrees"};
    if (!within(directionDegrees, -kMaxDirectionDegrees, kMaxDirectionDegrees))
        return ValueProblem{"direction", "must be -180 to 180 degrees"};
    if (backspinRpm && !within(*backspinRpm, -kMaxSpinRpm, kMaxSpinRpm))
        return ValueProblem{"backspin", "must be -10000 to 10000 rpm"};
    if (sidespinRpm && !within(*sidespinRpm, -kMaxSpinRpm, kMaxSpinRpm))
        return ValueProblem{"sidespin", "must be -10000 to 10000 rpm"};
    return std::nullopt;
}

Ball Ball::mirrored() const {
    Ball mirror = *this;
    mirror.directionDegrees = -directionDegrees;
    if (sidespinRpm)
        mirror.sidespinRpm = -*sidespinRpm;
    mirror.batter = batter == Hand::Right ? Hand::Left : Hand::Right;
    return mirror;
}

} // namespace vendrix::flight
