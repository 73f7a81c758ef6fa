#include "leagueaverage.h"

namespace vendrix::model {

std::int64_t LeagueAverage::rounded(std::int64_t scale) const {
    if (taken_ == 0)
        return 0;
    const std::int64_t scaled = sum_ * scale;
    std::int64_t quotient = scaled / taken_;
    const std::int64_t rest = scaled % taken_;
    if (2 * (rest < 0 ? -rest : rest) >= taken_)
        quotient += scaled < 0 ? -1 : 1;
    return quotient;
}

std::string tenthsText(std::int64_t tenths) {
    const std::int64_t magnitude = tenths < 0 ? -tenths : tenths;
    return (tenths < 0 ? "-" : "") + std::to_string(magnitude / 10) + "." + std::to_string(magnitude % 10);
}

std::string LeagueAverage::text() const {
    return exists() ? tenthsText(tenths()) : std::string();
}

std::string LeagueAverage::note() const {
    if (!exists())
        return {};
    if (taken_ == parks_)
        return "mean over all " + std::to_string(parks_) + (parks_ == 1 ? " park" : " parks");
    const int out = leftOut();
    return "mean over " + std::to_string(taken_) + " of " + std::to_string(parks_) + " parks; " +
           std::to_string(out) + " left out, as " + (out == 1 ? "its value cannot" : "their values cannot") +
           " be real";
}

LeagueAverages::LeagueAverages(const Season& season) {
    std::array<std::int64_t, kColumnCount> sums{};
    std::array<int, kColumnCount> taken{};
    const int parks = season.parkCount();
    for (const Park& park : season.parks())
        for (const Column& column : columns()) {
            if (!column.averaged)
                continue;
            const int value = *park.number(column.index);
            if (column.canBeReal(value)) {
                sums[static_cast<std::size_t>(column.index)] += value;
                ++taken[static_cast<std::size_t>(column.index)];
            }
        }
    for (const Column& column : columns())
        if (column.averaged)
            averages_[static_cast<std::size_t>(column.index)] =
                LeagueAverage(sums[static_cast<std::size_t>(column.index)],
                              taken[static_cast<std::size_t>(column.index)], parks);
}

} // namespace vendrix::model
