#pragma once

#include "ball.h"
#include "conditions.h"
#include "vector3.h"

namespace vendrix::flight {

// The forces on a spinning ball in moving air, as an acceleration in ft/s^2 for a given velocity:
// drag against the air's velocity relative to the ball, Magnus lift square to it, and gravity.
//   a = -c0 Cd |u| u + c0 (CL / w) |u| (w x u) - g z,   u = v - wind,  c0 = rho A / 2m,
//   Cd = 0.3008 + 0.0292 (spin / 1000 rpm),  CL = 1.120 S / (0.583 + 2.333 S),  S = r w / |u|:
// the fit of drag and lift to tracked batted balls. The spin axis is fixed at the launch.
class Aerodynamics {
public:
    Aerodynamics(const Ball& ball, const Conditions& conditions);

    Vector3 acceleration(const Vector3& velocity) const;

    // The spin vector in rad/s, in the field's frame.
    const Vector3& spinVector() const { return spin_; }

private:
    Vector3 spin_; // rad/s
    double spinRadPerSecond_;
    double dragCoefficient_;
    double c0_;    // 1/ft
    Vector3 wind_; // ft/s
};

} // namespace vendrix::flight
