#pragma once

#include <QColor>

namespace vendrix::gui {

// The tint of a park factor cell, as parktable/columntexts.h scales it: blue below 100, orange above,
// stronger up to its span. Partly transparent, so it lies over the palette's base colour and the
// palette's text stays readable on light and dark desktops. Invalid at 100.
QColor factorTint(int factor);

} // namespace vendrix::gui
