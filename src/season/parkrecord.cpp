#include "parkrecord.h"

#include "littleendian.h"

namespace vendrix::season {

namespace {
namespace offset {
constexpr std::size_t recordFlag = 0;
constexpr std::size_t parkId = 2;
constexpr std::size_t reserved4 = 4;
constexpr std::size_t seasonYear = 6;
constexpr std::size_t parkName = 8;
constexpr std::size_t parkType = 86;
constexpr std::size_t surface = 87;
constexpr std::size_t foulGround = 88;
constexpr std::size_t timeZone = 89;
constexpr std::size_t windSpeed = 90;
constexpr std::size_t avgTemp = 91;
constexpr std::size_t tempChange = 92;
constexpr std::size_t fenceDistance = 94;
constexpr std::size_t fenceHeight = 108;
constexpr std::size_t rainFreq = 124;
constexpr std::size_t factorsLHB = 126;
constexpr std::size_t factorsRHB = 140;
} // namespace offset
} // namespace

ParkRecord ParkRecord::decode(std::span<const std::uint8_t, kSize> bytes) {
    ParkRecord r;
    r.recordFlag = le::int16At(bytes, offset::recordFlag);
    r.parkId = le::int16At(bytes, offset::parkId);
    r.reserved4 = le::int16At(bytes, offset::reserved4);
    r.seasonYear = le::int16At(bytes, offset::seasonYear);
    r.parkName = le::textAt(bytes, offset::parkName, kNameWidth);
    r.parkType = le::byteAt(bytes, offset::parkType);
    r.surface = le::byteAt(bytes, offset::surface);
    r.foulGround = le::byteAt(bytes, offset::foulGround);
    r.timeZone = le::byteAt(bytes, offset::timeZone);
    r.windSpeed = le::byteAt(bytes, offset::windSpeed);
    r.avgTemp = le::byteAt(bytes, offset::avgTemp);
    r.tempChange = le::byteAt(bytes, offset::tempChange);
    for (std::size_t i = 0; i < kFencePoints; ++i) {
        r.fenceDistance[i] = le::int16At(bytes, offset::fenceDistance + 2 * i);
        r.fenceHeight[i] = le::byteAt(bytes, offset::fenceHeight + i);
    }
    r.rainFreq = le::byteAt(bytes, offset::rainFreq);
    for (std::size_t i = 0; i < kFactors; ++i) {
        r.factorsLHB[i] = le::int16At(bytes, offset::factorsLHB + 2 * i);
        r.factorsRHB[i] = le::int16At(bytes, offset::factorsRHB + 2 * i);
    }
    return r;
}

std::vector<std::uint8_t> ParkRecord::encode(std::uint8_t pad) const {
    std::vector<std::uint8_t> out(kSize, 0);
    std::span<std::uint8_t> bytes(out);
    le::putInt16(bytes, offset::recordFlag, recordFlag);
    le::putInt16(bytes, offset::parkId, parkId);
    le::putInt16(bytes, offset::reserved4, reserved4);
    le::putInt16(bytes, offset::seasonYear, seasonYear);
    le::putText(bytes, offset::parkName, kNameWidth, parkName, pad);
    bytes[offset::parkType] = parkType;
    bytes[offset::surface] = surface;
    bytes[offset::foulGround] = foulGround;
    bytes[offset::timeZone] = timeZone;
    bytes[offset::windSpeed] = windSpeed;
    bytes[offset::avgTemp] = avgTemp;
    bytes[offset::tempChange] = tempChange;
    for (std::size_t i = 0; i < kFencePoints; ++i) {
        le::putInt16(bytes, offset::fenceDistance + 2 * i, fenceDistance[i]);
        bytes[offset::fenceHeight + i] = fenceHeight[i];
    }
    bytes[offset::rainFreq] = rainFreq;
    for (std::size_t i = 0; i < kFactors; ++i) {
        le::putInt16(bytes, offset::factorsLHB + 2 * i, factorsLHB[i]);
        le::putInt16(bytes, offset::factorsRHB + 2 * i, factorsRHB[i]);
    }
    return out;
}

} // namespace vendrix::season
