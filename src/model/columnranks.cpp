#include "columnranks.h"

#include "tints.h"

#include <algorithm>
#include <functional>

namespace vendrix::model {

ColumnRanks::ColumnRanks(const Season& season) {
    for (const Column& column : columns()) {
        if (!column.isNumber())
            continue;
        auto& values = descending_[static_cast<std::size_t>(column.index)];
        values.reserve(static_cast<std::size_t>(season.parkCount()));
        for (const Park& park : season.parks())
            if (const int value = *park.number(column.index); column.canBeReal(value))
                values.push_back(value);
        std::sort(values.begin(), values.end(), std::greater<>());
    }
}

int ColumnRanks::rankFromTop(int column, int value) const {
    if (!model::column(column).canBeReal(value))
        return 0;
    const auto& values = descending_[static_cast<std::size_t>(column)];
    // The parks with a higher value stand before it.
    const auto higher = std::lower_bound(values.begin(), values.end(), value, std::greater<>());
    if (higher == values.end() || *higher != value)
        return 0;
    return static_cast<int>(higher - values.begin()) + 1;
}

std::string ordinal(int n) {
    const int lastTwo = n % 100;
    const char* suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        switch (n % 10) {
        case 1:
            suffix = "st";
            break;
        case 2:
            suffix = "nd";
            break;
        case 3:
            suffix = "rd";
            break;
        default:
            break;
        }
    }
    return std::to_string(n) + suffix;
}

std::string valueNote(const Park& park, int column, const ColumnRanks& ranks,
                      const LeagueAverages& averages) {
    const std::optional<int> value = park.number(column);
    if (!value)
        return {};
    const Column& about = model::column(column);
    if (!about.canBeReal(*value))
        return about.whyNotReal(*value) + "; left out of the League average and the ranks";
    const int rank = ranks.rankFromTop(column, *value);
    if (rank == 0)
        return {};
    std::string note = std::string(about.shortName) + ": " + std::to_string(*value);
    // The words for what the factor colour shows, so that colour is never the only sign of it.
    if (about.tint == ColumnTint::Factor)
        note += *value == kNeutralFactor ? std::string(" (neutral)")
                : *value > kNeutralFactor
                    ? " (" + std::to_string(*value - kNeutralFactor) + " above neutral)"
                    : " (" + std::to_string(kNeutralFactor - *value) + " below neutral)";
    note += ", " + ordinal(rank) + " highest of " + std::to_string(ranks.ranked(column)) + " parks";
    if (const LeagueAverage& average = averages.of(column); average.exists())
        note += "; league mean " + average.text();
    return note;
}

} // namespace vendrix::model
