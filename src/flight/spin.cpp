#include "spin.h"

#include <cmath>

namespace vendrix::flight {

double Spin::totalRpm() const {
    return std::sqrt(backspinRpm * backspinRpm + sidespinRpm * sidespinRpm);
}

Spin Spin::typical(double angleDegrees, double directionDegrees, Hand hand) {
    const double s = handSign(hand);
    return {-763.0 + 120.0 * angleDegrees + 21.0 * directionDegrees * s,
            -849.0 * s - 94.0 * directionDegrees};
}

} // namespace vendrix::flight
