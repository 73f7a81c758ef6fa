#pragma once

#include "jsonwriter.h"
#include "model/season.h"

#include <functional>
#include <span>
#include <string>

namespace vendrix::parkjson {

// Writes further members into a park's object, after the schema's own: writer.key(...) then the
// value. Called once per park written. The schema's keys stay as they are, so readers of the older
// keys are not disturbed.
using ParkExtraFields = std::function<void(const model::Park& park, JsonWriter& writer)>;

// The season as one UTF-8 JSON object: "league", "season", "parks" (one object per park in file
// order, with the column catalogue's keys and each park's "fair_area_sqft"), "league_average" (the
// League average of every averaged column, to one decimal: the mean over the parks whose value can be
// real; null without parks) and "league_average_parks" (how many parks each of those means takes in).
// Ends with a line feed.
std::string seasonJson(const model::Season& season, const ParkExtraFields& extraFields = {});

// The same with only the parks of the given rows (from 1, in the order given) in "parks";
// "league_average" stays the league's, over every park.
std::string seasonJson(const model::Season& season, std::span<const int> rows,
                       const ParkExtraFields& extraFields = {});

} // namespace vendrix::parkjson
