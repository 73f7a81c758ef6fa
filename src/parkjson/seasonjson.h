#pragma once

#include "jsonwriter.h"
#include "parktable/parktable.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace vendrix::parkjson {

// The league name and season text as the season folder scan read them (Windows-1252 bytes).
struct SeasonNames {
    std::string_view league;
    std::string_view season;
};

// Writes further members into a park's object, after the standard ones: writer.key(...) then the
// value. Called once per park with the park's table row. The schema's own keys stay as they are,
// so readers of the older keys are not disturbed.
using ParkExtraFields = std::function<void(int tableRow, JsonWriter& writer)>;

// The season as one UTF-8 JSON object: "league", "season", "parks" (one object per park in file
// order) and "league_average" (the mean of every number over the parks, to one decimal; null
// without parks). Ends with a line feed.
std::string seasonJson(const parktable::ParkTable& table, const SeasonNames& names,
                       const ParkExtraFields& extraFields = {});

// The same with only the parks of the given table rows (in the order given) in "parks";
// "league_average" stays the league's, over every park.
std::string seasonJson(const parktable::ParkTable& table, const SeasonNames& names, std::span<const int> rows,
                       const ParkExtraFields& extraFields = {});

} // namespace vendrix::parkjson
