#include "parkvocabulary.h"

#include <array>
#include <span>

namespace vendrix::model {

namespace {

// Words by code, starting at the first code that has one.
struct CodeWords {
    int firstCode;
    std::span<const std::string_view> words;
};

constexpr std::array<std::string_view, 3> kType{"Dome", "OutDoor", "Both"};
constexpr std::array<std::string_view, 2> kSurface{"Grass", "Turf"};
constexpr std::array<std::string_view, 3> kFoulGround{"Large", "Normal", "Small"};
// Time zones are numbered from 1: code 0 has no word.
constexpr std::array<std::string_view, 4> kTimeZone{"Eastern", "Central", "Mountain", "Pacific"};
constexpr std::array<std::string_view, 6> kWindSpeed{"Super Strong", "Very Strong", "Strong",
                                                     "Moderate",     "Light",       "None"};
constexpr std::array<std::string_view, 6> kAvgTemp{"Super Hot", "Very Hot",    "Hot",
                                                   "Warm",      "Comfortable", "Cold"};
constexpr std::array<std::string_view, 4> kTempChange{"High", "Normal", "Low", "None"};
constexpr std::array<std::string_view, 4> kRainFreq{"Frequent", "Normal", "Rare", "Never"};

CodeWords codeWordsOf(ParkAttribute attribute) {
    switch (attribute) {
    case ParkAttribute::Type:
        return {0, kType};
    case ParkAttribute::Surface:
        return {0, kSurface};
    case ParkAttribute::FoulGround:
        return {0, kFoulGround};
    case ParkAttribute::TimeZone:
        return {1, kTimeZone};
    case ParkAttribute::WindSpeed:
        return {0, kWindSpeed};
    case ParkAttribute::AvgTemp:
        return {0, kAvgTemp};
    case ParkAttribute::TempChange:
        return {0, kTempChange};
    case ParkAttribute::RainFreq:
        return {0, kRainFreq};
    }
    return {0, {}};
}

} // namespace

std::string_view wordFor(ParkAttribute attribute, std::uint8_t code) {
    const CodeWords table = codeWordsOf(attribute);
    const int index = code - table.firstCode;
    if (index < 0 || index >= static_cast<int>(table.words.size()))
        return kUnknownWord;
    return table.words[static_cast<std::size_t>(index)];
}

} // namespace vendrix::model
