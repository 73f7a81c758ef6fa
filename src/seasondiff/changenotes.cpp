#include "changenotes.h"

#include "comparisontext.h"
#include "season/windows1252.h"

namespace vendrix::seasondiff {

ChangeNotes changeNotes(const SeasonComparison& comparison, const ComparedSeason& other,
                        const ComparedSeason& shown) {
    const std::string otherTitle = seasonTitle(other.league, other.season);
    ChangeNotes result;
    for (const ParkChange& park : comparison.changed)
        for (const ValueChange& change : park.changes) {
            const std::string was = change.column == parktable::col::teamName && change.before.empty()
                                        ? std::string("No team")
                                        : season::windows1252::toUtf8(change.before);
            result.notes.push_back({park.place.row, change.column, was + " in " + otherTitle, false});
        }
    for (const ParkPlace& place : comparison.added)
        result.notes.push_back({place.row, parktable::col::parkName, std::string(kOnlyInThisSeason), true});
    result.summary = comparisonSentence(comparison, other, shown);
    return result;
}

ChangeNotes changeNotes(const SeasonComparison& comparison, const ComparedSeason& other) {
    static const parktable::ParkTable kNoTable = parktable::ParkTable::withCaptions();
    return changeNotes(comparison, other, ComparedSeason{{}, {}, {}, kNoTable});
}

} // namespace vendrix::seasondiff
