#include "comparisontext.h"

#include "model/columns.h"
#include "model/parknames.h"
#include "season/windows1252.h"

namespace vendrix::seasondiff {

namespace {

using season::windows1252::toUtf8;

std::string countOf(std::size_t count, std::string_view what) {
    return std::to_string(count) + " " + std::string(what);
}

// "Timberline Park (2 of 2, row 33)": the label with the park's row in its season.
std::string numberedLabel(const model::Season& season, const ParkPlace& place, const std::string& rows) {
    std::string label = model::shownName(season.parkAtRow(place.row));
    label += " (";
    if (place.namesakes > 1)
        label += std::to_string(place.occurrence) + " of " + std::to_string(place.namesakes) + ", ";
    return label + rows + ")";
}

std::string rowOf(int row) {
    return "row " + std::to_string(row);
}

} // namespace

std::string seasonTitle(std::string_view league, std::string_view season) {
    const std::string_view trimmedLeague = model::trimBlanks(league);
    const std::string_view trimmedSeason = model::trimBlanks(season);
    std::string title = toUtf8(trimmedLeague);
    if (!title.empty() && !trimmedSeason.empty())
        title += ' ';
    return title + toUtf8(trimmedSeason);
}

std::string parkLabel(const model::Season& season, const ParkPlace& place) {
    return model::parkLabel(season.parkAtRow(place.row), place.namesake());
}

std::string comparisonTotals(const SeasonComparison& comparison) {
    const std::size_t changed = comparison.changed.size();
    return countOf(changed, changed == 1 ? "park changed" : "parks changed") + ", " +
           countOf(comparison.added.size(), "new") + ", " + countOf(comparison.removed.size(), "gone");
}

std::string comparisonSentence(const SeasonComparison& comparison, const ComparedSeason& other,
                               const ComparedSeason& shown) {
    const std::string_view otherSeason = model::trimBlanks(other.seasonText());
    const std::string otherName = otherSeason.empty() || otherSeason == model::trimBlanks(shown.seasonText())
                                      ? std::string("the other season")
                                      : toUtf8(otherSeason);
    const std::size_t differ = comparison.changed.size();
    std::string sentence = "Compared with " + seasonTitle(other.league(), other.seasonText()) + ": " +
                           countOf(differ, differ == 1 ? "park differs" : "parks differ") + ", " +
                           countOf(comparison.added.size(), "only in this season") + ", " +
                           countOf(comparison.removed.size(), "only in " + otherName);
    for (std::size_t i = 0; i < comparison.removed.size(); ++i)
        sentence += (i == 0 ? " (" : ", ") + parkLabel(other.season, comparison.removed[i]);
    if (!comparison.removed.empty())
        sentence += ')';
    return sentence;
}

LaterSeason laterSeason(const ComparedSeason& oldSeason, const ComparedSeason& newSeason) {
    const int before = oldSeason.season.year();
    const int after = newSeason.season.year();
    if (before <= 0 || after <= 0 || before == after)
        return LaterSeason::Neither;
    return before > after ? LaterSeason::Old : LaterSeason::New;
}

std::string comparisonText(const SeasonComparison& comparison, const ComparedSeason& oldSeason,
                           const ComparedSeason& newSeason) {
    std::string text;
    const auto heading = [&](std::string_view which, const ComparedSeason& season) {
        text += std::string(which) + seasonTitle(season.league(), season.seasonText());
        if (!season.folder.empty())
            text += " (" + std::string(season.folder) + ")";
        text += '\n';
    };
    heading("Old: ", oldSeason);
    heading("New: ", newSeason);
    // Seasons given the wrong way round would read as a league that went back in time.
    if (laterSeason(oldSeason, newSeason) == LaterSeason::Old) {
        const std::string before = toUtf8(model::trimBlanks(oldSeason.seasonText()));
        const std::string after = toUtf8(model::trimBlanks(newSeason.seasonText()));
        text += "The old season, " + before + ", is later than the new one, " + after +
                ": Added and new are the parks only " + after + " has, Removed and gone those only " + before +
                " has.\n";
    }
    text += '\n';
    for (const ParkChange& park : comparison.changed) {
        const std::string label = numberedLabel(newSeason.season, park.place,
                                                rowOf(park.oldRow) + " -> " + std::to_string(park.place.row));
        for (const ValueChange& change : park.changes)
            text += label + ": " + std::string(model::column(change.column).shortName) + " " +
                    shownValue(change.column, change.before) + " -> " +
                    shownValue(change.column, change.after) + '\n';
    }
    for (const ParkPlace& place : comparison.added)
        text += "Added: " + numberedLabel(newSeason.season, place, rowOf(place.row)) + '\n';
    for (const ParkPlace& place : comparison.removed)
        text += "Removed: " + numberedLabel(oldSeason.season, place, rowOf(place.row)) + '\n';
    if (comparison.foundDifferences())
        text += '\n';
    text += comparisonTotals(comparison) + " (" + std::to_string(comparison.matched) + " parks in both)\n";
    return text;
}

} // namespace vendrix::seasondiff
