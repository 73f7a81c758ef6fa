#include "columns.h"

#include "viewcolumns.h"

namespace vendrix::model {

namespace {

using K = ColumnKind;
using A = ColumnAlignment;
using R = RealRange;
using T = ColumnTint;

constexpr std::string_view kDistance = "Fence Distance";
constexpr std::string_view kHeight = "Fence Height";
constexpr std::string_view kLHB = "Factors LHB";
constexpr std::string_view kRHB = "Factors RHB";

// index, kind, group caption, caption, short name, long name, description, key, unit, alignment,
// width, real range, averaged, tint
constexpr std::array<Column, kColumnCount> kColumns{{
    {0, K::Text, "", " Park Name ", "Park Name", "Park Name", "the ballpark's name", "park", "", A::NotSet,
     2000, R::Any, false, T::None},
    {1, K::Text, "", " Team Name  ", "Team Name", "Team Name", "the team that plays in the park this season",
     "team", "", A::NotSet, 2000, R::Any, false, T::None},
    {2, K::Number, "", "Year", "Year", "Year", "the season", "year", "", A::Centred, 900, R::Any, false,
     T::None},
    {3, K::Number, kDistance, "LFL", "LFL, distance", "LFL, fence distance",
     "distance to the fence at the left-field line", "fence_distance.lf_line", "ft", A::RightTop, 450,
     R::Distance, true, T::None},
    {4, K::Number, kDistance, "LF ", "LF, distance", "LF, fence distance",
     "distance to the fence at left field", "fence_distance.lf", "ft", A::RightTop, 450, R::Distance, true,
     T::None},
    {5, K::Number, kDistance, "LCF", "LCF, distance", "LCF, fence distance",
     "distance to the fence at left-center field", "fence_distance.lcf", "ft", A::RightTop, 450, R::Distance,
     true, T::None},
    {6, K::Number, kDistance, "CF", "CF, distance", "CF, fence distance",
     "distance to the fence at center field", "fence_distance.cf", "ft", A::RightTop, 450, R::Distance, true,
     T::None},
    {7, K::Number, kDistance, "RCF", "RCF, distance", "RCF, fence distance",
     "distance to the fence at right-center field", "fence_distance.rcf", "ft", A::RightTop, 450, R::Distance,
     true, T::None},
    {8, K::Number, kDistance, "RF", "RF, distance", "RF, fence distance",
     "distance to the fence at right field", "fence_distance.rf", "ft", A::RightTop, 450, R::Distance, true,
     T::None},
    {9, K::Number, kDistance, "RFL", "RFL, distance", "RFL, fence distance",
     "distance to the fence at the right-field line", "fence_distance.rf_line", "ft", A::RightTop, 450,
     R::Distance, true, T::None},
    {10, K::Number, kHeight, "LFL", "LFL, height", "LFL, fence height",
     "height of the fence at the left-field line", "fence_height.lf_line", "ft", A::RightTop, 450, R::Wall,
     true, T::None},
    {11, K::Number, kHeight, "LF ", "LF, height", "LF, fence height", "height of the fence at left field",
     "fence_height.lf", "ft", A::RightTop, 450, R::Wall, true, T::None},
    {12, K::Number, kHeight, "LCF", "LCF, height", "LCF, fence height",
     "height of the fence at left-center field", "fence_height.lcf", "ft", A::RightTop, 450, R::Wall, true,
     T::None},
    {13, K::Number, kHeight, "CF", "CF, height", "CF, fence height", "height of the fence at center field",
     "fence_height.cf", "ft", A::RightTop, 450, R::Wall, true, T::None},
    {14, K::Number, kHeight, "RCF", "RCF, height", "RCF, fence height",
     "height of the fence at right-center field", "fence_height.rcf", "ft", A::RightTop, 450, R::Wall, true,
     T::None},
    {15, K::Number, kHeight, "RF", "RF, height", "RF, fence height", "height of the fence at right field",
     "fence_height.rf", "ft", A::RightTop, 450, R::Wall, true, T::None},
    {16, K::Number, kHeight, "RFL", "RFL, height", "RFL, fence height",
     "height of the fence at the right-field line", "fence_height.rf_line", "ft", A::RightTop, 450, R::Wall,
     true, T::None},
    {17, K::Number, kLHB, "1B", "1B, LHB", "1B, left-handed batters",
     "single park factor for left-handed batters, 100 = neutral", "factors_lhb.1b", "", A::RightTop, 450,
     R::Factor, true, T::Factor},
    {18, K::Number, kLHB, "2B", "2B, LHB", "2B, left-handed batters",
     "double park factor for left-handed batters, 100 = neutral", "factors_lhb.2b", "", A::RightTop, 450,
     R::Factor, true, T::Factor},
    {19, K::Number, kLHB, "3B", "3B, LHB", "3B, left-handed batters",
     "triple park factor for left-handed batters, 100 = neutral", "factors_lhb.3b", "", A::RightTop, 450,
     R::Factor, true, T::Factor},
    {20, K::Number, kLHB, "HR", "HR, LHB", "HR, left-handed batters",
     "home-run park factor for left-handed batters, 100 = neutral", "factors_lhb.hr", "", A::RightTop, 450,
     R::Factor, true, T::Factor},
    {21, K::Number, kRHB, "1B", "1B, RHB", "1B, right-handed batters",
     "single park factor for right-handed batters, 100 = neutral", "factors_rhb.1b", "", A::RightTop, 450,
     R::Factor, true, T::Factor},
    {22, K::Number, kRHB, "2B", "2B, RHB", "2B, right-handed batters",
     "double park factor for right-handed batters, 100 = neutral", "factors_rhb.2b", "", A::RightTop, 450,
     R::Factor, true, T::Factor},
    {23, K::Number, kRHB, "3B", "3B, RHB", "3B, right-handed batters",
     "triple park factor for right-handed batters, 100 = neutral", "factors_rhb.3b", "", A::RightTop, 450,
     R::Factor, true, T::Factor},
    {24, K::Number, kRHB, "HR", "HR, RHB", "HR, right-handed batters",
     "home-run park factor for right-handed batters, 100 = neutral", "factors_rhb.hr", "", A::RightTop, 450,
     R::Factor, true, T::Factor},
    {25, K::Word, "", "Type", "Type", "Type", "the park's roof: a dome, open air or both", "type", "",
     A::Centred, 800, R::Any, false, T::None},
    {26, K::Word, "", "Surface", "Surface", "Surface", "the playing surface: grass or artificial turf",
     "surface", "", A::Centred, 800, R::Any, false, T::None},
    {27, K::Word, "", "FoulGrnd", "FoulGrnd", "Foul ground", "how much foul ground the park has",
     "foul_ground", "", A::Centred, 800, R::Any, false, T::None},
    {28, K::Word, "", "TimeZone", "TimeZone", "Time zone", "the park's time zone", "time_zone", "",
     A::Centred, 800, R::Any, false, T::None},
    {29, K::Word, "", "Wind Spd", "Wind Spd", "Wind speed", "how strongly the wind blows", "wind_speed", "",
     A::Centred, 800, R::Any, false, T::None},
    {30, K::Word, "", "Avg Temp", "Avg Temp", "Average temperature", "the average temperature at game time",
     "avg_temp", "", A::Centred, 900, R::Any, false, T::None},
    {31, K::Word, "", "Temp Chg", "Temp Chg", "Temperature change",
     "how much the temperature changes during a game", "temp_change", "", A::Centred, 800, R::Any, false,
     T::None},
    {32, K::Word, "", "Rain Freq", "Rain Freq", "Rain frequency", "how often rain falls", "rain_freq", "",
     A::Centred, 800, R::Any, false, T::None},
    {33, K::Blank, "", "", "", "", "", "", "", A::NotSet, 0, R::Any, false, T::None},
    {34, K::Blank, "", "", "", "", "", "", "", A::NotSet, 0, R::Any, false, T::None},
}};

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

const std::array<Column, kColumnCount>& columns() {
    return kColumns;
}

const Column& column(int index) {
    if (index >= kColumnCount)
        return viewColumns()[static_cast<std::size_t>(index - kColumnCount)];
    return kColumns[static_cast<std::size_t>(index)];
}

const Column* columnOfKey(std::string_view key) {
    if (key.empty())
        return nullptr;
    for (const Column& candidate : kColumns)
        if (candidate.key == key)
            return &candidate;
    return nullptr;
}

std::string_view Column::keyGroup() const {
    const std::size_t dot = key.find('.');
    return dot == std::string_view::npos ? std::string_view() : key.substr(0, dot);
}

std::string_view Column::keyMember() const {
    const std::size_t dot = key.find('.');
    return dot == std::string_view::npos ? key : key.substr(dot + 1);
}

std::string_view Column::trimmedCaption() const {
    return trimmed(caption);
}

std::string Column::meaning() const {
    if (description.empty())
        return {};
    std::string text(trimmedCaption());
    // A factor's caption says only the hit; its group says for whom.
    if (tint == ColumnTint::Factor)
        text += " (" + std::string(groupCaption) + ")";
    text += ": " + std::string(description);
    if (!unit.empty())
        text += unit == "ft" ? ", feet" : ", " + std::string(unit);
    return text;
}

bool Column::canBeReal(int value) const {
    switch (range) {
    case RealRange::Any:
        return true;
    case RealRange::Distance:
        return value >= kShortestFence && value <= kLongestFence;
    case RealRange::Wall:
        return value >= 0 && value <= kHighestWall;
    case RealRange::Factor:
        return value > 0;
    }
    return true;
}

std::string Column::whyNotReal(int value) const {
    if (canBeReal(value))
        return {};
    const std::string number = std::to_string(value);
    switch (range) {
    case RealRange::Any:
        break;
    case RealRange::Distance:
        return "A fence distance of " + number + " ft is outside " + std::to_string(kShortestFence) + " to " +
               std::to_string(kLongestFence) + " ft";
    case RealRange::Wall:
        return value < 0
                   ? "A wall of " + number + " ft is below the ground"
                   : "A wall of " + number + " ft is higher than " + std::to_string(kHighestWall) + " ft";
    case RealRange::Factor:
        return "A park factor of " + number + " is not above 0";
    }
    return {};
}

} // namespace vendrix::model
