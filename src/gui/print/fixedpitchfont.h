#pragma once

#include <QFont>

class QPaintDevice;

namespace vendrix::gui {

// Fonts whose characters must keep to columns (the printed report, the grid's design face). A face
// is taken for what the device really draws with it, not for what the font database says of it:
// a system that lacks the face hands over another one, proportional or not, under the same name.

// True when the device draws 'i', 'W' and 'm' of the font equally wide.
bool drawsFixedPitch(const QFont& font, const QPaintDevice& device);

// The wanted font when the device draws it fixed pitch; else the system's fixed-pitch font, else the
// first installed fixed-pitch face (one with TrueType outlines first, which every printer driver can
// take), at the wanted size and weight; the wanted font when there is none. Always without shaping.
QFont fixedPitchFont(const QFont& wanted, const QPaintDevice& device);

// The font drawn character by character: no ligatures ("fi" would become one glyph) and no kerning,
// which would move a column.
QFont withoutShaping(QFont font);

} // namespace vendrix::gui
