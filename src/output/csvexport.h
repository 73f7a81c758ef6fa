#pragma once

#include "parktable/parktable.h"

#include <string>

namespace vendrix::output {

// The CSV form of the whole park table: one line per table row, row 0 first, each the 33 captioned
// columns as quoted fields joined by commas, CR LF after every line. Cell bytes pass unchanged,
// except that a double quote inside a cell is doubled.
std::string csvText(const parktable::ParkTable& table);

} // namespace vendrix::output
