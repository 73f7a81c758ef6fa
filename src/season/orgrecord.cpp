#include "orgrecord.h"

#include "littleendian.h"

namespace vendrix::season {

namespace {
namespace offset {
constexpr std::size_t recordFlag = 0;
constexpr std::size_t validMark = 6;
constexpr std::size_t orgName = 8;
} // namespace offset
} // namespace

OrgRecord OrgRecord::decode(std::span<const std::uint8_t, kSize> bytes) {
    OrgRecord r;
    r.recordFlag = le::int16At(bytes, offset::recordFlag);
    r.validMark = le::int16At(bytes, offset::validMark);
    r.orgName = le::textAt(bytes, offset::orgName, kNameWidth);
    return r;
}

std::vector<std::uint8_t> OrgRecord::encode(std::uint8_t pad) const {
    std::vector<std::uint8_t> out(kSize, 0);
    std::span<std::uint8_t> bytes(out);
    le::putInt16(bytes, offset::recordFlag, recordFlag);
    le::putInt16(bytes, offset::validMark, validMark);
    le::putText(bytes, offset::orgName, kNameWidth, orgName, pad);
    return out;
}

} // namespace vendrix::season
