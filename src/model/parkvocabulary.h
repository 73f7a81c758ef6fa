#pragma once

#include <cstdint>
#include <string_view>

namespace vendrix::model {

// The eight coded park attributes, in the order of their table columns.
enum class ParkAttribute { Type, Surface, FoulGround, TimeZone, WindSpeed, AvgTemp, TempChange, RainFreq };

inline constexpr std::string_view kUnknownWord = "Unknown";

// The word for an attribute code; "Unknown" for a code without a word of its own. Never empty.
std::string_view wordFor(ParkAttribute attribute, std::uint8_t code);

} // namespace vendrix::model
