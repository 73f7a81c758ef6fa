#include "changenotes.h"

#include "comparisontext.h"
#include "model/columns.h"

namespace vendrix::seasondiff {

ChangeNotes changeNotes(const SeasonComparison& comparison, const ComparedSeason& other,
                        const ComparedSeason& shown) {
    const std::string otherTitle = seasonTitle(other.league(), other.seasonText());
    ChangeNotes result;
    for (const ParkChange& park : comparison.changed)
        for (const ValueChange& change : park.changes) {
            result.notes.push_back({park.place.row, change.column,
                                    shownValue(change.column, change.before) + " in " + otherTitle, false});
        }
    for (const ParkPlace& place : comparison.added)
        result.notes.push_back({place.row, model::col::parkName, std::string(kOnlyInThisSeason), true});
    result.summary = comparisonSentence(comparison, other, shown);
    return result;
}

} // namespace vendrix::seasondiff
