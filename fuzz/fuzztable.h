#pragma once

#include "model/season.h"
#include "output/printedpages.h"
#include "parktable/parktable.h"

#include <string>
#include <string_view>
#include <vector>

namespace vendrix::fuzz {

// A season of fuzzed parks, with the title and the sheet metrics that the reports take.
struct FuzzedTable {
    model::Season season;
    std::string title;
    output::PageMetrics metrics{8976, 220, 189}; // landscape A4 at 1200 dpi, 10-point type

    parktable::ParkTable table() const { return parktable::ParkTable(season); }
};

// Rows of fields as a forgiving CSV reader sees them: a field that starts with a double quote runs to
// the closing quote (a doubled quote inside is one quote) and may hold commas and line breaks; any
// other field runs to the next comma or line end; a line ends in LF or CR LF. Every input gives rows,
// and every row of any bytes can be written so.
std::vector<std::vector<std::string>> readCsvLeniently(std::string_view text);

// The input read as CSV, every line after the two caption rows a park: its name (the first 30 bytes
// of the first field), its team (the second field, any bytes), its numbers (the next 22 fields, read
// as integers and kept to the range their record field holds) and its attribute codes (the first
// byte of each of the next 8 fields). A first line whose first field starts with "#" is no row: it
// gives the title (the rest of that field) and, in its next three fields, the printable height and
// the two line heights. So the sample season's CSV output is a seed as it stands.
// With `reversed`, the parks come in the opposite order.
FuzzedTable readFuzzedTable(std::string_view input, bool reversed = false);

} // namespace vendrix::fuzz
