#include "model/seasonloader.h"
#include "parktable/parktable.h"
#include "seasonkit/seasonwriter.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

using namespace vendrix::parktable;
using namespace vendrix::model;
using namespace vendrix::season;
using namespace vendrix::seasonkit;
using vendrix::test::TempFolder;

namespace {

SeasonContent::Park park(std::string name, std::int16_t parkId = 1, std::int16_t year = 2031,
                         std::uint8_t pad = 0) {
    ParkRecord record;
    record.parkName = std::move(name);
    record.parkId = parkId;
    record.seasonYear = year;
    return {record, pad};
}

// A season built from a park file, and its table.
struct Built {
    SeasonBuild build;
    bool built() const { return build.built(); }
    ParkTable table() const { return ParkTable(*build.season); }
};

class ParkTableBuildTest : public ::testing::Test {
protected:
    TempFolder folder;
    TeamByPark teams;

    Built buildFile() {
        SeasonScan scan;
        scan.teamByPark = teams;
        return {buildSeason(scan, folder.path(), folder / "dmbpark.dat")};
    }
    Built build(const std::vector<SeasonContent::Park>& parks) {
        writeBytes(folder / "dmbpark.dat", encodeParks(parks));
        return buildFile();
    }
};

} // namespace

TEST_F(ParkTableBuildTest, CaptionRowsAreExact) {
    const auto result = build({park("One")});
    ASSERT_TRUE(result.built());
    const ParkTable t = result.table();
    const std::vector<std::string_view> captions{
        " Park Name ", " Team Name  ", "Year",     "LFL",      "LF ",       "LCF",     "CF",
        "RCF",         "RF",           "RFL",      "LFL",      "LF ",       "LCF",     "CF",
        "RCF",         "RF",           "RFL",      "1B",       "2B",        "3B",      "HR",
        "1B",          "2B",           "3B",       "HR",       "Type",      "Surface", "FoulGrnd",
        "TimeZone",    "Wind Spd",     "Avg Temp", "Temp Chg", "Rain Freq", "",        ""};
    for (int c = 0; c < 35; ++c)
        EXPECT_EQ(t.cell(1, c), captions[static_cast<std::size_t>(c)]) << "column " << c;
    for (int c = 0; c < 35; ++c) {
        std::string_view group = c >= 3 && c <= 9     ? "Fence Distance"
                                 : c >= 10 && c <= 16 ? "Fence Height"
                                 : c >= 17 && c <= 20 ? "Factors LHB"
                                 : c >= 21 && c <= 24 ? "Factors RHB"
                                                      : "";
        EXPECT_EQ(t.cell(0, c), group) << "column " << c;
    }
}

TEST_F(ParkTableBuildTest, TakesRecordsInUseWithAYearInFileOrder) {
    auto retired = park("Retired");
    retired.record.recordFlag = 1;
    auto undated = park("Undated", 1, 0);
    auto negative = park("Negative", 1, -5);
    const auto result = build({park("First"), retired, undated, negative, park("Second"), park("Third")});
    ASSERT_TRUE(result.built());
    EXPECT_EQ(result.table().rowCount(), 5);
    EXPECT_EQ(result.table().cell(2, 0).substr(0, 5), "First");
    EXPECT_EQ(result.table().cell(3, 0).substr(0, 6), "Second");
    EXPECT_EQ(result.table().cell(4, 0).substr(0, 5), "Third");
}

TEST_F(ParkTableBuildTest, ParkNamesAreTrimmedAndPaddedToThirty) {
    const auto result = build({park("Ballpark"), park("  Two Blanks", 1, 2031, ' '), park(""),
                               park("Exactly Thirty Characters Long"), park(std::string("In\0Between", 10))});
    ASSERT_TRUE(result.built());
    const ParkTable t = result.table();
    EXPECT_EQ(t.cell(2, 0), "Ballpark" + std::string(22, ' '));
    EXPECT_EQ(t.cell(3, 0), "Two Blanks" + std::string(20, ' '));
    EXPECT_EQ(t.cell(4, 0), std::string(30, ' '));
    EXPECT_EQ(t.cell(5, 0), "Exactly Thirty Characters Long");
    EXPECT_EQ(t.cell(6, 0), "In Between" + std::string(20, ' '));
}

TEST_F(ParkTableBuildTest, NumbersAreDecimalTextAndCodesAreWords) {
    auto p = park("Numbers", 1, 2031);
    p.record.fenceDistance = {-1, 400, 0, 32767, -32768, 5, 99};
    p.record.fenceHeight = {200, 0, 1, 2, 3, 4, 255};
    p.record.factorsLHB = {0, 100, -7, 120};
    p.record.factorsRHB = {1, 2, 3, 4};
    const auto result = build({p});
    const ParkTable t = result.table();
    const std::vector<std::string_view> expected{"2031", "-1", "400", "0", "32767", "-32768", "5",   "99",
                                                 "200",  "0",  "1",   "2", "3",     "4",      "255", "0",
                                                 "100",  "-7", "120", "1", "2",     "3",      "4"};
    for (int c = 2; c <= 24; ++c)
        EXPECT_EQ(t.cell(2, c), expected[static_cast<std::size_t>(c - 2)]) << "column " << c;
    // All codes 0.
    const std::vector<std::string_view> words{"Dome",         "Grass",     "Large", "Unknown",
                                              "Super Strong", "Super Hot", "High",  "Frequent"};
    for (int c = 25; c <= 32; ++c)
        EXPECT_EQ(t.cell(2, c), words[static_cast<std::size_t>(c - 25)]);
    EXPECT_EQ(t.cell(2, 33), "");
    EXPECT_EQ(t.cell(2, 34), "");
}

TEST_F(ParkTableBuildTest, TeamNamesComeFromTeamByParkAsStored) {
    teams.set(7, "Padded          Blanks          ");
    teams.set(8, "\tTabbed");
    const auto result = build({park("A", 7), park("B", 9), park("C", 3001), park("D", -3), park("E", 8)});
    const ParkTable t = result.table();
    EXPECT_EQ(t.cell(2, 1), "Padded          Blanks          ");
    EXPECT_EQ(t.cell(3, 1), "");
    EXPECT_EQ(t.cell(4, 1), "");
    EXPECT_EQ(t.cell(5, 1), "");
    EXPECT_EQ(t.cell(6, 1), "\tTabbed"); // a TAB stays inside its cell
    EXPECT_EQ(t.cell(6, 2), "2031");
}

TEST_F(ParkTableBuildTest, MissingEmptyAndUnusableParkFilesGiveTheirMessages) {
    const auto missing = buildFile().build;
    EXPECT_EQ(missing.outcome, BuildOutcome::NoParkFile);
    EXPECT_EQ(missing.message, "No Park File to Process");
    EXPECT_FALSE(missing.season);

    writeBytes(folder / "dmbpark.dat", {});
    EXPECT_EQ(buildFile().build.message, "No Park File to Process");

    std::filesystem::remove(folder / "dmbpark.dat");
    std::filesystem::create_directory(folder / "dmbpark.dat");
    EXPECT_EQ(buildFile().build.outcome, BuildOutcome::NoParkFile);

    EXPECT_EQ(kNoDataMessage, " This dmbpark.dat file appears to have no data ");
}

TEST_F(ParkTableBuildTest, NoRecordTakenGivesTheCaptionRowsOnly) {
    std::vector<std::uint8_t> fragment(153, 0x20);
    writeBytes(folder / "dmbpark.dat", fragment);
    const auto result = buildFile();
    ASSERT_TRUE(result.built());
    EXPECT_EQ(result.table().rowCount(), 2);

    auto retired = park("Retired");
    retired.record.recordFlag = -1;
    EXPECT_EQ(build({retired}).table().rowCount(), 2);
}

TEST_F(ParkTableBuildTest, TrailingFragmentIsIgnored) {
    auto bytes = encodeParks({park("Whole")});
    bytes.resize(bytes.size() + 100, 0x01);
    writeBytes(folder / "dmbpark.dat", bytes);
    EXPECT_EQ(buildFile().table().rowCount(), 3);
}
