#pragma once

#include "parktable/parktable.h"

#include <string>

namespace vendrix::output {

// The CSV form of the whole park table: one line per table row, row 0 first, each the 33 captioned
// columns as quoted fields joined by commas, CR LF after every line. Cell bytes pass unchanged,
// except that a double quote inside a cell is doubled.
std::string csvText(const parktable::ParkTable& table);

// The same lines from row `firstRow` on, appended to `out` until it holds at least `bytes` or the
// table ends: for writing the CSV as it is made. Gives the row to go on from (the row count at the end).
int appendCsvLines(const parktable::ParkTable& table, int firstRow, std::size_t bytes, std::string& out);

} // namespace vendrix::output
