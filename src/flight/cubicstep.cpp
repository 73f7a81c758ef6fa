#include "cubicstep.h"

namespace vendrix::flight {

CubicStep::CubicStep(const Vector3& startPosition, const Vector3& startVelocity, const Vector3& endPosition,
                     const Vector3& endVelocity, double seconds)
    : p0_(startPosition), v0_(startVelocity), p1_(endPosition), v1_(endVelocity), seconds_(seconds) {}

Vector3 CubicStep::positionAt(double s) const {
    const double s2 = s * s;
    const double s3 = s2 * s;
    return p0_ * (2.0 * s3 - 3.0 * s2 + 1.0) + v0_ * (seconds_ * (s3 - 2.0 * s2 + s)) +
           p1_ * (3.0 * s2 - 2.0 * s3) + v1_ * (seconds_ * (s3 - s2));
}

Vector3 CubicStep::velocityAt(double s) const {
    const double s2 = s * s;
    return (p0_ - p1_) * ((6.0 * s2 - 6.0 * s) / seconds_) + v0_ * (3.0 * s2 - 4.0 * s + 1.0) +
           v1_ * (3.0 * s2 - 2.0 * s);
}

} // namespace vendrix::flight
