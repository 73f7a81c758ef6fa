#pragma once

#include <string>
#include <string_view>

namespace vendrix::flight {

// A value a flight cannot start from: which one (named as the command line's option and the CSV
// column name it: "speed", "angle", "wind-from", ...) and the range it must keep to ("must be 0 to 200
// mph"). The caller adds how the user wrote the value and where.
struct ValueProblem {
    std::string_view field;
    std::string rule;

    bool operator==(const ValueProblem&) const = default;
};

} // namespace vendrix::flight
