#include "hand.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace vendrix::flight {

std::optional<Hand> handOf(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "l" || lower == "left")
        return Hand::Left;
    if (lower == "r" || lower == "right")
        return Hand::Right;
    return std::nullopt;
}

std::string_view letterOf(Hand hand) {
    return hand == Hand::Right ? "R" : "L";
}

} // namespace vendrix::flight
