#pragma once

#include "printedreport.h"

#include <string_view>
#include <vector>

namespace vendrix::output {

// What the printer tells about its sheets and fonts, in any one unit of length.
struct PageMetrics {
    double printableHeight = 0;
    double leadingLineHeight = 0; // line spacing of the printer's default font
    double reportLineHeight = 0;  // line spacing of the report font
};

// One line as it stands on a sheet; the text points into the report it came from.
struct PageLine {
    std::string_view text;
    bool inReportFont = true;
    double top = 0; // distance from the top of the printable area
};

using PrintedPage = std::vector<PageLine>;

// Puts the report's lines on sheets: every section from a new sheet, and a new sheet whenever the
// next line would reach below the printable area. The pages refer to the report's text, which must
// outlive them.
std::vector<PrintedPage> paginate(const PrintedReport& report, const PageMetrics& metrics);

} // namespace vendrix::output
