#pragma once

#include <optional>
#include <string_view>

namespace vendrix::flight {

// The side of the plate the batter stands on; it sets the sign of the spin a batter usually puts on
// a fly ball.
enum class Hand { Left, Right };

// "L", "R", "Left" or "Right" in any case; none for anything else.
std::optional<Hand> handOf(std::string_view text);

// "L" or "R".
std::string_view letterOf(Hand hand);

// +1 for a right-handed batter, -1 for a left-handed one: the s of the spin fit.
constexpr double handSign(Hand hand) {
    return hand == Hand::Right ? 1.0 : -1.0;
}

} // namespace vendrix::flight
