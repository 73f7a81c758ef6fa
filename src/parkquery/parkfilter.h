#pragma once

#include "model/season.h"
#include "parkcondition.h"

#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace vendrix::parkquery {

// The parks of a season that meet every one of a list of conditions; with none, every park.
class ParkFilter {
public:
    ParkFilter() = default;
    explicit ParkFilter(std::vector<ParkCondition> conditions) : conditions_(std::move(conditions)) {}

    // A filter of condition texts ("surface=Grass", "factors_lhb.hr>=105"), or the message about the
    // first that cannot be read.
    static std::variant<ParkFilter, std::string> parse(const std::vector<std::string>& texts);

    bool empty() const { return conditions_.empty(); }
    const std::vector<ParkCondition>& conditions() const { return conditions_; }

    bool keeps(const model::Park& park) const;
    // The rows (from 1) of the parks kept, in file order.
    std::vector<int> keptRows(const model::Season& season) const;

private:
    std::vector<ParkCondition> conditions_;
};

} // namespace vendrix::parkquery
