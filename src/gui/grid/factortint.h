#pragma once

#include <QColor>

namespace vendrix::gui {

// The tint of a park factor cell on a scale that diverges from the neutral 100: blue below, orange
// above (a pair that readers with any common colour-vision deficiency tell apart), stronger with the
// distance from 100 up to kFactorTintSpan points. Partly transparent, so it lies over the palette's
// base colour and the palette's text stays readable on light and dark desktops. Invalid at 100.
inline constexpr int kFactorTintSpan = 25;
QColor factorTint(int factor);

} // namespace vendrix::gui
