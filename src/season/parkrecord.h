#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vendrix::season {

// One 154-byte record of dmbpark.dat.
struct ParkRecord {
    static constexpr std::size_t kSize = 154;
    static constexpr std::size_t kNameWidth = 30;
    static constexpr std::size_t kFencePoints = 7; // LFL, LF, LCF, CF, RCF, RF, RFL
    static constexpr std::size_t kFactors = 4;     // 1B, 2B, 3B, HR

    std::int16_t recordFlag = 0;
    std::int16_t parkId = 0;
    std::int16_t reserved4 = 0; // offset 4, no reader looks at it
    std::int16_t seasonYear = 0;
    std::string parkName = std::string(kNameWidth, '\0'); // exactly 30 bytes, padding included
    std::uint8_t parkType = 0;
    std::uint8_t surface = 0;
    std::uint8_t foulGround = 0;
    std::uint8_t timeZone = 0;
    std::uint8_t windSpeed = 0;
    std::uint8_t avgTemp = 0;
    std::uint8_t tempChange = 0;
    std::array<std::int16_t, kFencePoints> fenceDistance{};
    std::array<std::uint8_t, kFencePoints> fenceHeight{};
    std::uint8_t rainFreq = 0;
    std::array<std::int16_t, kFactors> factorsLHB{};
    std::array<std::int16_t, kFactors> factorsRHB{};

    bool isInUse() const { return recordFlag == 0; }

    static ParkRecord decode(std::span<const std::uint8_t, kSize> bytes);
    // The inverse of decode, for the sample-season tool and the tests; the bytes that no reader
    // interprets are written as zero. A name shorter than 30 bytes is padded with `pad`.
    std::vector<std::uint8_t> encode(std::uint8_t pad = 0) const;
};

} // namespace vendrix::season
