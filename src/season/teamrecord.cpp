#include "teamrecord.h"

#include "littleendian.h"

namespace vendrix::season {

namespace {
namespace offset {
constexpr std::size_t recordFlag = 0;
constexpr std::size_t teamId = 2;
constexpr std::size_t seasonYear = 6;
constexpr std::size_t parkId = 12;
constexpr std::size_t nameFirst = 15;
constexpr std::size_t nameSecond = 31;
} // namespace offset
} // namespace

TeamRecord TeamRecord::decode(std::span<const std::uint8_t, kSize> bytes) {
    TeamRecord r;
    r.recordFlag = le::int16At(bytes, offset::recordFlag);
    r.teamId = le::int16At(bytes, offset::teamId);
    r.seasonYear = le::int16At(bytes, offset::seasonYear);
    r.parkId = le::int16At(bytes, offset::parkId);
    r.nameFirst = le::textAt(bytes, offset::nameFirst, kNamePartWidth);
    r.nameSecond = le::textAt(bytes, offset::nameSecond, kNamePartWidth);
    return r;
}

std::vector<std::uint8_t> TeamRecord::encode(std::uint8_t pad) const {
    std::vector<std::uint8_t> out(kSize, 0);
    std::span<std::uint8_t> bytes(out);
    le::putInt16(bytes, offset::recordFlag, recordFlag);
    le::putInt16(bytes, offset::teamId, teamId);
    le::putInt16(bytes, offset::seasonYear, seasonYear);
    le::putInt16(bytes, offset::parkId, parkId);
    le::putText(bytes, offset::nameFirst, kNamePartWidth, nameFirst, pad);
    le::putText(bytes, offset::nameSecond, kNamePartWidth, nameSecond, pad);
    return out;
}

} // namespace vendrix::season
