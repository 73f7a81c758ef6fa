#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vendrix::season {

// One 244-byte record of dmborg.dat; only the fields the program reads are kept.
struct OrgRecord {
    static constexpr std::size_t kSize = 244;
    static constexpr std::size_t kNameWidth = 30;

    std::int16_t recordFlag = 0;
    std::int16_t validMark = 0;
    std::string orgName = std::string(kNameWidth, '\0'); // exactly 30 bytes

    bool isTaken() const { return recordFlag == 0 && validMark > 0; }

    static OrgRecord decode(std::span<const std::uint8_t, kSize> bytes);
    std::vector<std::uint8_t> encode(std::uint8_t pad = 0) const;
};

} // namespace vendrix::season
