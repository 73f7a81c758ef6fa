#pragma once

#include "vector3.h"

namespace vendrix::flight {

// The path between two integration steps: the cubic that passes through both ends with their
// velocities (Hermite). Its error is of the same order as the integrator's, so what is read between
// steps does not depend on where the steps fall.
class CubicStep {
public:
    CubicStep(const Vector3& startPosition, const Vector3& startVelocity, const Vector3& endPosition,
              const Vector3& endVelocity, double seconds);

    // Position and velocity a fraction s (0..1) of the way through the step.
    Vector3 positionAt(double s) const;
    Vector3 velocityAt(double s) const;

    // The fraction at which a quantity that is >= 0 at the start and < 0 at the end crosses 0, by
    // bisection to the last bit of the step's time.
    template <typename Quantity> static double crossing(Quantity quantity) {
        double low = 0.0;
        double high = 1.0;
        for (int i = 0; i < 52; ++i) {
            const double middle = (low + high) / 2.0;
            (quantity(middle) >= 0.0 ? low : high) = middle;
        }
        return (low + high) / 2.0;
    }

private:
    Vector3 p0_, v0_, p1_, v1_;
    double seconds_;
};

} // namespace vendrix::flight
