#pragma once

#include <string>

namespace vendrix::season {

// Something wrong with a season that still gives a table: the table shows what could be read, and
// the warning says what could not. Texts name the file as the season folder holds it.
struct SeasonWarning {
    enum class Kind {
        ParkFileCut,    // the park file ends inside a record
        NoParkInUse,    // the park file holds records, but none of a park in use
        NoLeagueRecord, // the organization file gave no league name
        NoTeamRecord    // the team file gave no season year and no team
    };

    Kind kind;
    std::string text;

    bool operator==(const SeasonWarning&) const = default;
};

} // namespace vendrix::season
