#include "parkfilter.h"

#include <algorithm>

namespace vendrix::parkjson {

std::variant<ParkFilter, std::string> ParkFilter::parse(const std::vector<std::string>& texts) {
    std::vector<ParkCondition> conditions;
    for (const std::string& text : texts) {
        auto parsed = ParkCondition::parse(text);
        if (auto* message = std::get_if<std::string>(&parsed))
            return std::move(*message);
        conditions.push_back(std::move(std::get<ParkCondition>(parsed)));
    }
    return ParkFilter(std::move(conditions));
}

bool ParkFilter::keeps(const parktable::ParkTable& table, int row) const {
    return std::all_of(conditions_.begin(), conditions_.end(),
                       [&](const ParkCondition& condition) { return condition.holdsFor(table, row); });
}

std::vector<int> ParkFilter::keptRows(const parktable::ParkTable& table) const {
    std::vector<int> rows;
    for (int row = parktable::kFirstParkRow; row < table.rowCount(); ++row)
        if (keeps(table, row))
            rows.push_back(row);
    return rows;
}

} // namespace vendrix::parkjson
