#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vendrix::season {

// One 746-byte record of dmbteam.dat; only the fields the program reads are kept.
struct TeamRecord {
    static constexpr std::size_t kSize = 746;
    static constexpr std::size_t kNamePartWidth = 16;

    std::int16_t recordFlag = 0;
    std::int16_t teamId = 0;
    std::int16_t seasonYear = 0;
    std::int16_t parkId = 0;
    std::string nameFirst = std::string(kNamePartWidth, '\0');  // exactly 16 bytes
    std::string nameSecond = std::string(kNamePartWidth, '\0'); // exactly 16 bytes

    // Only records in use of a real season (a year after 1900) name a team.
    bool isTaken() const { return recordFlag == 0 && seasonYear > 1900; }

    static TeamRecord decode(std::span<const std::uint8_t, kSize> bytes);
    std::vector<std::uint8_t> encode(std::uint8_t pad = 0) const;
};

} // namespace vendrix::season
