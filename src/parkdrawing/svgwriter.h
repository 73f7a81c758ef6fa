#pragma once

#include "drawing.h"

#include <string>
#include <string_view>

// A Drawing as SVG text, written without any library: the same bytes on every system. Numbers are
// written in the C locale with at most two decimals (std::to_chars), texts are XML-escaped UTF-8, and
// characters XML cannot carry are replaced by U+FFFD.
//
//   std::string file = SvgWriter::write(drawing, {.title = name});                  // a .svg file
//   std::string onPage = SvgWriter::write(drawing, {.title = name, .fragment = true}); // inside HTML
namespace vendrix::parkdrawing {

struct SvgOptions {
    std::string_view title;       // UTF-8; the <title> element, what viewers show as the name
    std::string_view description; // UTF-8; the <desc> element, left out when empty
    // An <svg> element alone, without the XML declaration, for inline use in an HTML page. It holds no
    // ids, so any number of fragments can share one page.
    bool fragment = false;
};

class SvgWriter {
public:
    static std::string write(const Drawing& drawing, const SvgOptions& options);

    // Text made safe as XML character data and attribute values.
    static void appendEscaped(std::string& out, std::string_view utf8);
};

} // namespace vendrix::parkdrawing
