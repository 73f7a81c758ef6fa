#include "season/orgrecord.h"
#include "season/parkrecord.h"
#include "season/teamrecord.h"

#include <array>
#include <gtest/gtest.h>

using namespace vendrix::season;

namespace {

template <std::size_t N> std::array<std::uint8_t, N> bytesOf(const std::vector<std::uint8_t>& v) {
    std::array<std::uint8_t, N> a{};
    std::copy(v.begin(), v.end(), a.begin());
    return a;
}

} // namespace

TEST(ParkRecordDecode, ReadsLittleEndianSignedIntegersAndUnsignedBytes) {
    std::array<std::uint8_t, ParkRecord::kSize> bytes{};
    bytes[94] = 0xFF; // LFL distance FF FF
    bytes[95] = 0xFF;
    bytes[96] = 0x90; // LF distance 90 01
    bytes[97] = 0x01;
    bytes[108] = 0xC8; // LFL height: a byte, 200 not -56
    bytes[6] = 0xDA;   // year 07DA
    bytes[7] = 0x07;
    bytes[140] = 0x2C; // RHB 1B factor 2C 01
    bytes[141] = 0x01;
    const ParkRecord park = ParkRecord::decode(bytes);
    EXPECT_EQ(park.fenceDistance[0], -1);
    EXPECT_EQ(park.fenceDistance[1], 400);
    EXPECT_EQ(park.fenceHeight[0], 200);
    EXPECT_EQ(park.seasonYear, 2010);
    EXPECT_EQ(park.factorsRHB[0], 300);
}

TEST(ParkRecordDecode, KeepsTheWholeNameFieldWithItsPadding) {
    std::array<std::uint8_t, ParkRecord::kSize> bytes{};
    const std::string name = "Ballpark";
    std::copy(name.begin(), name.end(), bytes.begin() + 8);
    const ParkRecord park = ParkRecord::decode(bytes);
    EXPECT_EQ(park.parkName, name + std::string(22, '\0'));
}

TEST(ParkRecordDecode, RoundTripsEveryNamedFieldThroughTheEncoder) {
    ParkRecord park;
    park.recordFlag = 1;
    park.parkId = 3000;
    park.seasonYear = -7;
    park.parkName = "Caf\xE9 Grounds";
    park.parkType = 255;
    park.surface = 1;
    park.foulGround = 2;
    park.timeZone = 4;
    park.windSpeed = 5;
    park.avgTemp = 3;
    park.tempChange = 2;
    park.rainFreq = 1;
    park.fenceDistance = {1, -2, 3, 32767, -32768, 6, 7};
    park.fenceHeight = {0, 1, 2, 3, 4, 5, 255};
    park.factorsLHB = {100, -100, 0, 9};
    park.factorsRHB = {1, 2, 3, 4};
    const auto decoded = ParkRecord::decode(bytesOf<ParkRecord::kSize>(park.encode(' ')));
    EXPECT_EQ(decoded.parkName, "Caf\xE9 Grounds" + std::string(18, ' '));
    ParkRecord expected = park;
    expected.parkName = decoded.parkName;
    EXPECT_EQ(decoded.fenceDistance, expected.fenceDistance);
    EXPECT_EQ(decoded.fenceHeight, expected.fenceHeight);
    EXPECT_EQ(decoded.factorsLHB, expected.factorsLHB);
    EXPECT_EQ(decoded.factorsRHB, expected.factorsRHB);
    EXPECT_EQ(decoded.parkType, 255);
    EXPECT_EQ(decoded.rainFreq, 1);
    EXPECT_EQ(decoded.parkId, 3000);
    EXPECT_EQ(decoded.seasonYear, -7);
}

TEST(ParkRecordDecode, FieldsNoReaderInterpretsChangeNothing) {
    ParkRecord park;
    park.parkName = "Same";
    park.seasonYear = 2020;
    auto bytes = bytesOf<ParkRecord::kSize>(park.encode());
    const ParkRecord plain = ParkRecord::decode(bytes);
    for (std::size_t offset : {93, 125})
        bytes[offset] = 0xAB;
    for (auto [from, width] : {std::pair{38, 16}, {54, 32}, {115, 9}, {134, 6}, {148, 6}})
        for (std::size_t i = 0; i < static_cast<std::size_t>(width); ++i)
            bytes[static_cast<std::size_t>(from) + i] = 'x';
    const ParkRecord noisy = ParkRecord::decode(bytes);
    EXPECT_EQ(noisy.parkName, plain.parkName);
    EXPECT_EQ(noisy.fenceHeight, plain.fenceHeight);
    EXPECT_EQ(noisy.rainFreq, plain.rainFreq);
    EXPECT_EQ(noisy.factorsLHB, plain.factorsLHB);
    EXPECT_EQ(noisy.factorsRHB, plain.factorsRHB);
}

TEST(TeamAndOrgRecordDecode, ReadTheirFieldsAtTheirOffsets) {
    std::array<std::uint8_t, TeamRecord::kSize> team{};
    team[6] = 0xDA;
    team[7] = 0x07;
    team[12] = 0x2C;
    team[13] = 0x01;
    team[15] = 'A';
    team[31] = 'B';
    const TeamRecord t = TeamRecord::decode(team);
    EXPECT_EQ(t.seasonYear, 2010);
    EXPECT_EQ(t.parkId, 300);
    EXPECT_EQ(t.nameFirst, "A" + std::string(15, '\0'));
    EXPECT_EQ(t.nameSecond, "B" + std::string(15, '\0'));

    std::array<std::uint8_t, OrgRecord::kSize> org{};
    org[6] = 0xFF;
    org[7] = 0xFF;
    EXPECT_EQ(OrgRecord::decode(org).validMark, -1);
    EXPECT_FALSE(OrgRecord::decode(org).isTaken());
    EXPECT_EQ(OrgRecord::decode(org).orgName, std::string(30, '\0'));
}

TEST(TeamAndOrgRecordDecode, OrgBytesAfterTheDeclaredFieldsAreIgnored) {
    OrgRecord org;
    org.validMark = 1;
    org.orgName = "League";
    auto clean = bytesOf<OrgRecord::kSize>(org.encode());
    auto noisy = clean;
    for (std::size_t i = 196; i < OrgRecord::kSize; ++i)
        noisy[i] = static_cast<std::uint8_t>(i);
    EXPECT_EQ(OrgRecord::decode(noisy).orgName, OrgRecord::decode(clean).orgName);
    EXPECT_EQ(OrgRecord::decode(noisy).validMark, 1);
}

TEST(TeamAndOrgRecordDecode, TeamTakenOnlyInUseAndAfter1900) {
    TeamRecord team;
    team.seasonYear = 1901;
    EXPECT_TRUE(team.isTaken());
    team.seasonYear = 1900;
    EXPECT_FALSE(team.isTaken());
    team.seasonYear = 2000;
    team.recordFlag = 1;
    EXPECT_FALSE(team.isTaken());
}
