#pragma once

#include "parktable/parktable.h"

#include <string_view>

namespace vendrix::seasondiff {

// One side of a comparison as the outputs name it: the league name and season text the scan read
// (Windows-1252 bytes), the folder it came from (as given, for the text heading) and its table.
struct ComparedSeason {
    std::string_view league;
    std::string_view season;
    std::string_view folder;
    const parktable::ParkTable& table;
};

} // namespace vendrix::seasondiff
