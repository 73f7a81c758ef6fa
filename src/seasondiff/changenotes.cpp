#include "changenotes.h"

#include "comparisontext.h"
#include "season/windows1252.h"

namespace vendrix::seasondiff {

ChangeNotes changeNotes(const SeasonComparison& comparison, const ComparedSeason& oldSeason) {
    const std::string since = seasonTitle(oldSeason.league, oldSeason.season);
    ChangeNotes result;
    for (const ParkChange& park : comparison.changed)
        for (const ValueChange& change : park.changes) {
            const std::string was = change.column == parktable::col::teamName && change.before.empty()
                                        ? std::string("No team")
                                        : season::windows1252::toUtf8(change.before);
            result.notes.push_back({park.place.row, change.column, was + " in " + since, false});
        }
    for (const ParkPlace& place : comparison.added)
        result.notes.push_back({place.row, parktable::col::parkName, "New since " + since, true});

    result.summary = comparisonTotals(comparison) + " since " + since;
    for (std::size_t i = 0; i < comparison.removed.size(); ++i)
        result.summary += (i == 0 ? ". Gone: " : ", ") + parkLabel(oldSeason.table, comparison.removed[i]);
    return result;
}

} // namespace vendrix::seasondiff
