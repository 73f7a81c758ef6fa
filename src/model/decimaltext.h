#pragma once

#include <string_view>

namespace vendrix::model {

// The decimal text of a season number ("-1", "2031"), as the table shows it. The texts of every
// 16-bit value are made once and kept, so a view of a million cells hands out views instead of
// building strings (each block of 256 values is made on its first use). `value` must lie in
// -32768..32767, as every number of the season files does.
std::string_view decimalText(int value);

} // namespace vendrix::model
