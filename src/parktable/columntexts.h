#pragma once

#include <string>

// What the table's columns mean and how its park factors are coloured, in words and numbers that
// every view shares: the window's tooltips and colours, and the web page's.
namespace vendrix::parktable {

// "LFL: distance to the fence at the left-field line, feet"; empty for the uncaptioned columns.
std::string columnMeaning(int column);
// The column's short name in a cell's tooltip: "HR, LHB", "LFL, distance", "Year".
std::string columnShortName(int column);

// The factor colours diverge from the neutral 100: blue below, orange above (a pair that readers with
// any common colour-vision deficiency tell apart), stronger with the distance from 100 up to
// kFactorTintSpan points. The alpha (0 to 255) of a factor's tint; 0 at 100.
inline constexpr int kFactorTintSpan = 25;
int factorTintAlpha(int factor);
struct Rgb {
    int red, green, blue;
};
inline constexpr Rgb kFactorBelow{0, 114, 178};
inline constexpr Rgb kFactorAbove{230, 159, 0};

} // namespace vendrix::parktable
