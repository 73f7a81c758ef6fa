#pragma once

#include "model/season.h"

#include <string_view>

namespace vendrix::seasondiff {

// One side of a comparison as the outputs name it: the season, and the folder it came from as the
// user gave it (for the text's heading).
struct ComparedSeason {
    const model::Season& season;
    std::string_view folder;

    std::string_view league() const { return season.league(); }
    std::string_view seasonText() const { return season.seasonText(); }
};

} // namespace vendrix::seasondiff
