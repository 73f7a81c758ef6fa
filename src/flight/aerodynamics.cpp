#include "aerodynamics.h"

#include "portablemath.h"
#include "units.h"

namespace vendrix::flight {

namespace {

// The spin in the field's frame. Backspin turns about the horizontal axis square to the launch
// direction, pointing to the right of it, so that it lifts; sidespin about the axis square to the
// launch velocity in its vertical plane, pointing up, so that a positive one pushes to the left.
Vector3 spinVectorOf(const Ball& ball) {
    const Spin spin = ball.spin();
    const double sinAngle = portable::sinDegrees(ball.angleDegrees);
    const double cosAngle = portable::cosDegrees(ball.angleDegrees);
    const double sinDirection = portable::sinDegrees(ball.directionDegrees);
    const double cosDirection = portable::cosDegrees(ball.directionDegrees);
    const Vector3 backAxis{cosDirection, -sinDirection, 0.0};
    const Vector3 sideAxis{-sinAngle * sinDirection, -sinAngle * cosDirection, cosAngle};
    return (backAxis * spin.backspinRpm + sideAxis * spin.sidespinRpm) * units::kRadiansPerSecondPerRpm;
}

} // namespace

Aerodynamics::Aerodynamics(const Ball& ball, const Conditions& conditions)
    : spin_(spinVectorOf(ball)), spinRadPerSecond_(spin_.length()),
      dragCoefficient_(0.3008 + 0.0292 * (ball.spin().totalRpm() / 1000.0)),
      c0_(conditions.airDensityKgPerCubicMetre() * units::kPoundsPerCubicFootPerKgPerCubicMetre *
          units::kBallAreaSquareFeet / (2.0 * units::kBallMassPounds)),
      wind_(conditions.windFeetPerSecond()) {}

Vector3 Aerodynamics::acceleration(const Vector3& velocity) const {
    const Vector3 gravity{0.0, 0.0, -units::kGravityFeetPerSecondSquared};
    const Vector3 relative = velocity - wind_;
    const double speed = relative.length();
    if (speed == 0.0)
        return gravity;
    Vector3 acceleration = gravity + relative * (-c0_ * dragCoefficient_ * speed);
    if (spinRadPerSecond_ > 0.0) {
        // c0 CL |u| / w with CL = 1.120 S / (0.583 + 2.333 S) and S = r w / |u|, folded into one
        // division: c0 1.120 r |u| / (0.583 |u| + 2.333 r w).
        const double r = units::kBallRadiusFeet;
        const double magnus = c0_ * 1.120 * r * speed / (0.583 * speed + 2.333 * r * spinRadPerSecond_);
        acceleration = acceleration + spin_.cross(relative) * magnus;
    }
    return acceleration;
}

} // namespace vendrix::flight
