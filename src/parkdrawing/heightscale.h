#pragma once

#include "drawing.h"

#include <array>

// The colours of wall heights: a perceptually uniform sequential scale from dark blue through teal and
// green to yellow (viridis-like), so that each two feet more reads as the same step lighter at any
// height, and readers who confuse red and green still see the order.
namespace vendrix::parkdrawing {

// The scale's top: taller walls take its lightest colour.
inline constexpr double kTallWallFeet = 40.0;
// Walls are coloured in steps of this many feet, finer than the eye tells apart on the legend.
inline constexpr double kHeightStepFeet = 2.0;
// Where the legend marks its scale.
inline constexpr std::array<int, 5> kHeightTicks{0, 10, 20, 30, 40};

// The colour of a height in feet, clamped to 0..kTallWallFeet.
Colour heightColour(double feet);

// The height rounded to its colour step, the value a wall piece is coloured by.
double steppedHeight(double feet);

} // namespace vendrix::parkdrawing
