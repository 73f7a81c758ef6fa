#pragma once

// The colours that mark cells, in numbers that the window and the web page both paint with.
namespace vendrix::model {

struct Rgba {
    int red, green, blue;
    int alpha = 255; // 0 to 255
};

// The factor colours diverge from the neutral 100: blue below, orange above (a pair that readers with
// any common colour-vision deficiency tell apart), stronger with the distance from 100 up to
// kFactorTintSpan points.
inline constexpr int kNeutralFactor = 100;
inline constexpr int kFactorTintSpan = 25;
inline constexpr Rgba kFactorBelow{0, 114, 178};
inline constexpr Rgba kFactorAbove{230, 159, 0};
// The tint of a factor: its hue, and an alpha of 0 at 100.
Rgba factorTint(int factor);

// A value that changed since the compared season, and a park only the shown season has: reddish
// purple and bluish green, apart from the factor colours and told apart by colour-blind readers;
// translucent, so the text stays readable on light and dark palettes alike.
inline constexpr Rgba kChangedTint{204, 121, 167, 170};
inline constexpr Rgba kNewParkTint{0, 158, 115, 120};

} // namespace vendrix::model
