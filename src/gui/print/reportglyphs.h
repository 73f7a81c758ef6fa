#pragma once

#include <QGlyphRun>
#include <QRawFont>
#include <array>
#include <string_view>

class QFont;
class QPaintDevice;

namespace vendrix::gui {

// The report font's glyph for every byte of a report line, for drawing a line as glyphs at fixed
// columns instead of as text. That skips text shaping, which a fixed-pitch font with a glyph for
// every Windows-1252 character does not need, and leaves the blanks out: they leave no ink, yet a
// PDF stores a positioned glyph for each, and about half of a report line is blanks. The page looks
// the same and its text reads the same.
class ReportGlyphs {
public:
    // The glyphs of the font as it is drawn on the device.
    ReportGlyphs(const QFont& font, const QPaintDevice& device);

    // True when every byte has a glyph and all glyphs are equally wide; otherwise lines must be drawn
    // as text, where a missing character falls back to another font.
    bool fitColumns() const { return fitColumns_; }
    qreal columnWidth() const { return columnWidth_; }

    // The glyphs of the line's characters other than blanks, each at its column, from the start of the
    // line on its baseline.
    QGlyphRun inkOf(std::string_view line) const;

private:
    QRawFont font_;
    std::array<quint32, 256> glyphs_{};
    qreal columnWidth_ = 0;
    bool fitColumns_ = false;
};

} // namespace vendrix::gui
