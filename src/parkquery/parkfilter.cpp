#include "parkfilter.h"

#include <algorithm>

namespace vendrix::parkquery {

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

bool ParkFilter::keeps(const model::Park& park) const {
    return std::all_of(conditions_.begin(), conditions_.end(),
                       [&](const ParkCondition& condition) { return condition.holdsFor(park); });
}

std::vector<int> ParkFilter::keptRows(const model::Season& season) const {
    std::vector<int> rows;
    for (const model::Park& park : season.parks())
        if (keeps(park))
            rows.push_back(park.row());
    return rows;
}

} // namespace vendrix::parkquery
