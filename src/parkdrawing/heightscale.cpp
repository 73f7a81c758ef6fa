#include "heightscale.h"

#include <algorithm>
#include <cmath>

namespace vendrix::parkdrawing {

namespace {

// Anchor colours at equal steps of the scale, sampled from the viridis colour map (CC0); between
// anchors the scale is interpolated straight in sRGB, which the anchors are close enough for.
constexpr std::array<Colour, 9> kAnchors{{
    {68, 1, 84},
    {72, 40, 120},
    {59, 82, 139},
    {44, 114, 142},
    {33, 145, 140},
    {40, 174, 128},
    {94, 201, 98},
    {173, 220, 48},
    {253, 231, 37},
}};

std::uint8_t mix(std::uint8_t a, std::uint8_t b, double f) {
    return static_cast<std::uint8_t>(std::lround(a + (b - a) * f));
}

} // namespace

Colour heightColour(double feet) {
    const double t = std::clamp(feet / kTallWallFeet, 0.0, 1.0) * (kAnchors.size() - 1);
    const std::size_t i = std::min(static_cast<std::size_t>(t), kAnchors.size() - 2);
    const double f = t - static_cast<double>(i);
    const Colour& a = kAnchors[i];
    const Colour& b = kAnchors[i + 1];
    return {mix(a.red, b.red, f), mix(a.green, b.green, f), mix(a.blue, b.blue, f)};
}

double steppedHeight(double feet) {
    return kHeightStepFeet * std::round(feet / kHeightStepFeet);
}

} // namespace vendrix::parkdrawing
