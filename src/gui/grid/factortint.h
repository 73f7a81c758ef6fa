#pragma once

#include "model/tints.h"

#include <QColor>

namespace vendrix::gui {

// A colour of the model's tints as Qt paints it.
QColor toQColor(const model::Rgba& colour);

// The tint of a park factor cell: blue below 100, orange above, stronger up to its span. Partly
// transparent, so it lies over the palette's base colour and the palette's text stays readable on
// light and dark desktops. Invalid at 100.
QColor factorTint(int factor);

} // namespace vendrix::gui
