#pragma once

#include <numbers>

// The ball and the unit conversions of the flight: feet, seconds and pounds inside, mph, rpm and
// kg/m^3 at the edges.
namespace vendrix::flight::units {

inline constexpr double kFeetPerSecondPerMph = 5280.0 / 3600.0;
inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kRadiansPerSecondPerRpm = 2.0 * std::numbers::pi / 60.0;
inline constexpr double kPoundsPerCubicFootPerKgPerCubicMetre = 0.3048 * 0.3048 * 0.3048 / 0.45359237;
inline constexpr double kGravityFeetPerSecondSquared = 32.174;

// The regulation ball: 5.125 oz, 9.125 in around.
inline constexpr double kBallMassPounds = 5.125 / 16.0;
inline constexpr double kBallRadiusFeet = 9.125 / 12.0 / (2.0 * std::numbers::pi);
inline constexpr double kBallAreaSquareFeet = std::numbers::pi * kBallRadiusFeet * kBallRadiusFeet;

} // namespace vendrix::flight::units
