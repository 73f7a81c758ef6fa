#include "parkcolumnstats.h"

#include "cellplausibility.h"

#include <algorithm>
#include <charconv>
#include <functional>

namespace vendrix::parktable {

std::optional<int> ParkColumnStats::number(const ParkTable& table, int row, int column) {
    const std::string_view text = table.cell(row, column);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

ParkColumnStats::ParkColumnStats(const ParkTable& table)
    : descending_(kParkColumnCount), sums_(kParkColumnCount, 0.0), averaged_(kParkColumnCount, 0) {
    for (int column = col::year; column < col::firstAttribute; ++column) {
        auto& values = descending_[static_cast<std::size_t>(column)];
        values.reserve(static_cast<std::size_t>(table.parkCount()));
        double sum = 0;
        int averaged = 0;
        for (int row = kFirstParkRow; row < table.rowCount(); ++row) {
            if (const std::optional<int> value = number(table, row, column)) {
                values.push_back(*value);
                if (CellPlausibility::isPlausible(column, *value)) {
                    sum += *value;
                    ++averaged;
                }
            }
        }
        std::sort(values.begin(), values.end(), std::greater<>());
        sums_[static_cast<std::size_t>(column)] = sum;
        averaged_[static_cast<std::size_t>(column)] = averaged;
    }
}

int ParkColumnStats::count(int column) const {
    if (!isNumberColumn(column) || descending_.empty())
        return 0;
    return static_cast<int>(descending_[static_cast<std::size_t>(column)].size());
}

int ParkColumnStats::averagedCount(int column) const {
    if (!isNumberColumn(column) || averaged_.empty())
        return 0;
    return averaged_[static_cast<std::size_t>(column)];
}

std::optional<double> ParkColumnStats::mean(int column) const {
    const int n = averagedCount(column);
    if (n == 0)
        return std::nullopt;
    return sums_[static_cast<std::size_t>(column)] / n;
}

LeagueAverage ParkColumnStats::leagueAverage(int column) const {
    // A mean year says nothing about a season's parks.
    if (column == col::year)
        return {};
    return {mean(column), averagedCount(column)};
}

int ParkColumnStats::rankFromTop(int column, int value) const {
    if (count(column) == 0)
        return 0;
    const auto& values = descending_[static_cast<std::size_t>(column)];
    // The parks with a higher value stand before it.
    const auto higher = std::lower_bound(values.begin(), values.end(), value, std::greater<>());
    return static_cast<int>(higher - values.begin()) + 1;
}

} // namespace vendrix::parktable
