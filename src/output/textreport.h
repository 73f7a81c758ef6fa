#pragma once

#include "parktable/parktable.h"

#include <string>
#include <string_view>

namespace vendrix::output {

// The fixed-width text report of the park table under the given title: 4P + 11 lines, CR LF after
// every line.
std::string textReport(const parktable::ParkTable& table, std::string_view title);

} // namespace vendrix::output
