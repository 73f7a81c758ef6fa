#pragma once

#include <string>
#include <string_view>

// What the page shows of a cell: its text with the blanks tidied, and escaping for HTML.
namespace vendrix::parkpage {

// A cell's Windows-1252 bytes as the page shows them: line breaks and tabs as blanks, blanks at
// both ends gone, each inner run of blanks made one.
std::string displayText(std::string_view cell);

// Appends Windows-1252 bytes as UTF-8 text that is safe inside an HTML element or a quoted
// attribute: & < > " ' as character references; control characters, which a page may not hold, as
// U+FFFD.
void appendHtml(std::string& out, std::string_view windows1252);
// displayText(cell) appended as appendHtml appends it, without a text in between.
void appendDisplayHtml(std::string& out, std::string_view cell);
// The same for text that is UTF-8 already (the comparison's notes).
void appendHtmlUtf8(std::string& out, std::string_view utf8);

} // namespace vendrix::parkpage
