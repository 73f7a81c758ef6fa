#pragma once

#include "parktable/parkcolumns.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The values of a park row under the names the JSON export gives them. The keys are the export's
// schema: readers depend on them, so they never change.
namespace vendrix::parkjson {

enum class ValueKind { Number, Word };

// A park value in the table: its column, the JSON group it stands in ("" for a top-level key) and
// its key within that group.
struct ParkValueKey {
    int column;
    std::string_view group;
    std::string_view member;
    ValueKind kind;
};

inline constexpr std::string_view kFenceDistance = "fence_distance";
inline constexpr std::string_view kFenceHeight = "fence_height";
inline constexpr std::string_view kFactorsLHB = "factors_lhb";
inline constexpr std::string_view kFactorsRHB = "factors_rhb";

// The four number groups, in table order, each with its first column and its member keys.
struct NumberGroup {
    std::string_view name;
    int firstColumn;
    int size;
};
inline constexpr std::array<NumberGroup, 4> kNumberGroups{{
    {kFenceDistance, parktable::col::firstFenceDistance, 7},
    {kFenceHeight, parktable::col::firstFenceHeight, 7},
    {kFactorsLHB, parktable::col::firstFactorLHB, 4},
    {kFactorsRHB, parktable::col::firstFactorRHB, 4},
}};
inline constexpr std::array<std::string_view, 7> kFencePointKeys{"lf_line", "lf", "lcf",    "cf",
                                                                 "rcf",     "rf", "rf_line"};
inline constexpr std::array<std::string_view, 4> kFactorKeys{"1b", "2b", "3b", "hr"};
inline constexpr std::array<std::string_view, 8> kWordKeys{
    "type", "surface", "foul_ground", "time_zone", "wind_speed", "avg_temp", "temp_change", "rain_freq"};

// The member key of a column of a number group.
std::string_view memberKey(const NumberGroup& group, int column);

// The 30 values of a park that the groups and the words hold (distances, heights, factors, words),
// in table order.
std::array<ParkValueKey, 30> parkValueKeys();

// A text without the blanks at both ends.
std::string_view trimBlanks(std::string_view text);

// A team name as the exports give it: blanks at both ends gone, each inner run of blanks made one;
// nothing when that leaves nothing.
std::optional<std::string> normalisedTeam(std::string_view teamCell);

// The number a numeric cell holds; nothing for a cell that is not a decimal integer.
std::optional<int> cellNumber(std::string_view cell);

} // namespace vendrix::parkjson
