#pragma once

#include <string>
#include <string_view>
#include <vector>

// The widths of text in Liberation Sans (regular and bold), the face every renderer of a drawing uses,
// from the font's own advance table for every character Windows-1252 holds. Kerning is left out: the
// layout only needs to know that a text fits and where its middle is.
namespace vendrix::parkdrawing {

// Above and below the baseline, in ems.
inline constexpr double kAscent = 1854.0 / 2048.0;
inline constexpr double kDescent = 434.0 / 2048.0;

struct TextStyle {
    double size = 10.0; // em in drawing units
    bool bold = false;
};

// The advance of UTF-8 text; a character outside the table counts as an average letter.
double textWidth(std::string_view utf8, TextStyle style);

// The baseline that centres a line of text of `size` on `middle`.
inline double baselineCentredOn(double middle, double size) {
    return middle + (kAscent - kDescent) / 2.0 * size;
}

// The text cut to `width`, ending in an ellipsis when cut; whole when it fits.
std::string elided(std::string_view utf8, TextStyle style, double width);

// The text in lines no wider than `width`, broken between words; a word wider than a line is elided.
// At most `maxLines` lines; the last one elided when more would be needed.
std::vector<std::string> wrapped(std::string_view utf8, TextStyle style, double width, int maxLines);

} // namespace vendrix::parkdrawing
