#pragma once

#include <string_view>

namespace vendrix::output {

// What both reports write in place of an empty team cell. A cell of blanks is not empty.
inline constexpr std::string_view kMissingTeamText = "     N/A";

inline std::string_view teamTextForReport(std::string_view teamCell) {
    return teamCell.empty() ? kMissingTeamText : teamCell;
}

// The column on paper or in the file at which the title begins, counted from 1.
inline constexpr std::size_t kTitleColumn = 47;
// The column at which the heading lines begin.
inline constexpr std::size_t kHeadingColumn = 62;

} // namespace vendrix::output
