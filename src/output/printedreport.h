#pragma once

#include "parktable/parktable.h"

#include <string>
#include <string_view>
#include <vector>

namespace vendrix::output {

// The printed report as lines of characters, ready for a printer adapter to draw. Each section
// starts on a new sheet; a section longer than a sheet goes on over the next sheets.
struct PrintedReport {
    // Printed in the printer's default font before the report font is set.
    std::vector<std::string> leadingLines;
    std::string fontFace;
    int fontPoints = 0;
    // sections[0] continues the page that the leading lines began.
    std::vector<std::vector<std::string>> sections;
    // The title the report was laid out under, for the print job's name.
    std::string title;
};

inline constexpr std::string_view kReportFontFace = "cOURIER nEW";
inline constexpr int kReportFontPoints = 10;

PrintedReport layoutPrintedReport(const parktable::ParkTable& table, std::string_view title);

} // namespace vendrix::output
