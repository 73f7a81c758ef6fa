#pragma once

#include <string>
#include <string_view>

// What the page shows of a cell, as the window shows it, without Qt. Until the window's display
// code moves into a standard-library room, these repeat it and must be kept in step with it:
//   columnMeaning, columnShortName   src/platform/columnmeanings.cpp (caption tooltips)
//   factorTintAlpha, kFactorTintSpan src/platform/factortint.cpp (the factor colours)
//   displayText                      the window's trimming of park and team names
// Merge them into one std-only room once the window has moved to src/gui/.
namespace vendrix::parkpage {

// "LFL: distance to the fence at the left-field line, feet"; empty for the uncaptioned columns.
std::string columnMeaning(int column);
// "HR, LHB", "LFL, distance", "Year".
std::string columnShortName(int column);
// The column's name in the page's address: the JSON export's key ("park", "fence_distance.cf").
std::string columnKey(int column);

// The factor colours: blue below the neutral 100, orange above, stronger up to kFactorTintSpan
// points away. The alpha (0 to 255) of a factor's tint over the page; 0 at 100.
inline constexpr int kFactorTintSpan = 25;
int factorTintAlpha(int factor);

// A cell's Windows-1252 bytes as the table shows them: line breaks and tabs as blanks, blanks at
// both ends gone, each inner run of blanks made one.
std::string displayText(std::string_view cell);

// Appends Windows-1252 bytes as UTF-8 text that is safe inside an HTML element or a quoted
// attribute: & < > " ' as character references; control characters, which a page may not hold, as
// U+FFFD.
void appendHtml(std::string& out, std::string_view windows1252);
// The same for text that is UTF-8 already (the comparison's notes).
void appendHtmlUtf8(std::string& out, std::string_view utf8);

} // namespace vendrix::parkpage
