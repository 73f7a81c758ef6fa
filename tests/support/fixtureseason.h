#pragma once

#include "model/season.h"
#include "parktable/parktable.h"

#include <string>

namespace vendrix::test {

// A season of two parks written to season files and read back through the folder scan and the
// table build, as the window and the exporter read a folder. The first park has a quote and a comma
// in its name, three-digit distances and "Moderate" wind; the second has no team, a byte outside
// ASCII, numbers wider than their fields and a code without a word.
struct FixtureSeason {
    model::Season season;
    std::string title;

    parktable::ParkTable table() const { return parktable::ParkTable(season); }
};

FixtureSeason fixtureSeason();

// Blanks, for writing expected lines readably.
inline std::string sp(std::size_t count) {
    return std::string(count, ' ');
}

} // namespace vendrix::test
