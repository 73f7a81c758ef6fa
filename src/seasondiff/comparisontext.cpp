#include "comparisontext.h"

#include "parkjson/parkvalues.h"
#include "season/windows1252.h"

#include <array>

namespace vendrix::seasondiff {

namespace {

namespace col = parktable::col;
using season::windows1252::toUtf8;

constexpr std::array<std::string_view, 7> kFencePoints{"LFL", "LF", "LCF", "CF", "RCF", "RF", "RFL"};
constexpr std::array<std::string_view, 7> kHeights{"LFL height", "LF height", "LCF height", "CF height",
                                                   "RCF height", "RF height", "RFL height"};
constexpr std::array<std::string_view, 8> kFactors{"1B LHB", "2B LHB", "3B LHB", "HR LHB",
                                                   "1B RHB", "2B RHB", "3B RHB", "HR RHB"};
constexpr std::array<std::string_view, 8> kWords{"Type",       "Surface",  "Foul ground", "Time zone",
                                                 "Wind speed", "Avg temp", "Temp change", "Rain freq"};

std::string countOf(std::size_t count, std::string_view what) {
    return std::to_string(count) + " " + std::string(what);
}

std::string shownValue(int column, const std::string& text) {
    if (column == col::teamName && text.empty())
        return "(no team)";
    return toUtf8(text);
}

} // namespace

std::string seasonTitle(std::string_view league, std::string_view season) {
    const std::string_view trimmedLeague = parkjson::trimBlanks(league);
    const std::string_view trimmedSeason = parkjson::trimBlanks(season);
    std::string title = toUtf8(trimmedLeague);
    if (!title.empty() && !trimmedSeason.empty())
        title += ' ';
    return title + toUtf8(trimmedSeason);
}

std::string parkLabel(const parktable::ParkTable& table, const ParkPlace& place) {
    std::string label = toUtf8(parkjson::trimBlanks(table.cell(place.row, col::parkName)));
    if (label.empty())
        label = "(unnamed park)";
    if (place.namesakes > 1)
        label += " (" + std::to_string(place.occurrence) + " of " + std::to_string(place.namesakes) + ")";
    return label;
}

std::string_view valueLabel(int column) {
    if (column == col::teamName)
        return "Team";
    if (column >= col::firstFenceDistance && column < col::firstFenceHeight)
        return kFencePoints[static_cast<std::size_t>(column - col::firstFenceDistance)];
    if (column >= col::firstFenceHeight && column < col::firstFactorLHB)
        return kHeights[static_cast<std::size_t>(column - col::firstFenceHeight)];
    if (column >= col::firstFactorLHB && column < col::firstAttribute)
        return kFactors[static_cast<std::size_t>(column - col::firstFactorLHB)];
    if (column >= col::firstAttribute && column <= col::lastCaptioned)
        return kWords[static_cast<std::size_t>(column - col::firstAttribute)];
    return "?";
}

std::string comparisonTotals(const SeasonComparison& comparison) {
    const std::size_t changed = comparison.changed.size();
    return countOf(changed, changed == 1 ? "park changed" : "parks changed") + ", " +
           countOf(comparison.added.size(), "new") + ", " + countOf(comparison.removed.size(), "gone");
}

std::string comparisonText(const SeasonComparison& comparison, const ComparedSeason& oldSeason,
                           const ComparedSeason& newSeason) {
    std::string text;
    const auto heading = [&](std::string_view which, const ComparedSeason& season) {
        text += std::string(which) + seasonTitle(season.league, season.season);
        if (!season.folder.empty())
            text += " (" + std::string(season.folder) + ")";
        text += '\n';
    };
    heading("Old: ", oldSeason);
    heading("New: ", newSeason);
    text += '\n';
    for (const ParkChange& park : comparison.changed) {
        const std::string label = parkLabel(newSeason.table, park.place);
        for (const ValueChange& change : park.changes)
            text += label + ": " + std::string(valueLabel(change.column)) + " " +
                    shownValue(change.column, change.before) + " -> " +
                    shownValue(change.column, change.after) + '\n';
    }
    for (const ParkPlace& place : comparison.added)
        text += "Added: " + parkLabel(newSeason.table, place) + '\n';
    for (const ParkPlace& place : comparison.removed)
        text += "Removed: " + parkLabel(oldSeason.table, place) + '\n';
    if (comparison.foundDifferences())
        text += '\n';
    text += comparisonTotals(comparison) + " (" + std::to_string(comparison.matched) + " parks in both)\n";
    return text;
}

} // namespace vendrix::seasondiff
