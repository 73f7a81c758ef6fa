#include "season/seasonscan.h"

#include "season/seasonfiles.h"
#include "seasonkit/seasonwriter.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

using namespace vendrix::season;
using namespace vendrix::seasonkit;
using vendrix::test::TempFolder;

namespace {

SeasonContent::Team team(std::int16_t parkId, std::string first, std::string second, std::int16_t year = 2031,
                         std::uint8_t pad = 0) {
    TeamRecord record;
    record.seasonYear = year;
    record.parkId = parkId;
    record.nameFirst = std::move(first);
    record.nameSecond = std::move(second);
    return {record, pad};
}

SeasonContent::Org org(std::string name, std::int16_t validMark = 1, std::uint8_t pad = 0) {
    OrgRecord record;
    record.validMark = validMark;
    record.orgName = std::move(name);
    return {record, pad};
}

const std::vector<std::string> kAllThree{"dmborg.dat", "dmbpark.dat", "dmbteam.dat"};

class SeasonScanTest : public ::testing::Test {
protected:
    TempFolder folder;

    void write(const std::vector<SeasonContent::Org>& orgs, const std::vector<SeasonContent::Team>& teams) {
        writeBytes(folder / "dmborg.dat", encodeOrgs(orgs));
        writeBytes(folder / "dmbteam.dat", encodeTeams(teams));
        writeBytes(folder / "dmbpark.dat", std::vector<std::uint8_t>(154, 0));
    }
    SeasonScan scan(const std::vector<std::string>& names = kAllThree) {
        return scanSeasonFolder(folder.path(), names);
    }
};

} // namespace

TEST_F(SeasonScanTest, CompleteFolderGivesCaptionTeamsAndSeason) {
    write({org("Northwind League")}, {team(7, "Harbor City", "Gulls"), team(9, "Bayport", "Anglers", 2030)});
    const SeasonScan s = scan();
    EXPECT_TRUE(s.isComplete());
    EXPECT_EQ(s.filesFound, 7);
    EXPECT_EQ(s.caption(), "Park Factors for Northwind League in 2030"); // last taken record decides
    EXPECT_EQ(s.teamByPark.nameFor(7), "Harbor City Gulls");
    EXPECT_EQ(s.teamByPark.nameFor(9), "Bayport Anglers");
    EXPECT_EQ(s.teamByPark.nameFor(8), "");
    EXPECT_EQ(s.teamByPark.size(), 3001);
    EXPECT_EQ(s.parkFile, folder / "dmbpark.dat");
}

TEST_F(SeasonScanTest, FlagsAddUpOnlyForTheFilesMet) {
    write({org("L")}, {team(1, "A", "B")});
    EXPECT_EQ(scan({"dmbpark.dat", "dmbteam.dat"}).filesFound, 6);
    EXPECT_FALSE(scan({"dmbpark.dat", "dmbteam.dat"}).isComplete());
    EXPECT_EQ(scan({}).filesFound, 0);
    EXPECT_EQ(scan({"readme.txt", "dmbpark.bak"}).filesFound, 0);
    EXPECT_EQ(scan({"dmborg.dat"}).missingFiles(), (std::vector<std::string>{"dmbpark.dat", "dmbteam.dat"}));
}

TEST_F(SeasonScanTest, NamesInCapitalsCountAndAreOpenedAsTheFolderHoldsThem) {
    TempFolder caps;
    writeBytes(caps / "DMBORG.DAT", encodeOrgs({org("Capital League")}));
    writeBytes(caps / "DmbTeam.Dat", encodeTeams({team(3, "Upper", "Case")}));
    writeBytes(caps / "DMBPARK.DAT", std::vector<std::uint8_t>(154, 0));
    const SeasonScan s = scanSeasonFolder(caps.path(), listSeasonFileNames(caps.path()));
    EXPECT_TRUE(s.isComplete());
    EXPECT_EQ(s.caption(), "Park Factors for Capital League in 2031");
    EXPECT_EQ(s.teamByPark.nameFor(3), "Upper Case");
    EXPECT_EQ(s.parkFile, caps / "DMBPARK.DAT");
}

TEST_F(SeasonScanTest, TwoSpellingsOfOneFileCountOnceAndTheLowerCaseOneIsRead) {
    write({org("Lower League")}, {team(1, "A", "B")});
    writeBytes(folder / "DMBORG.DAT", encodeOrgs({org("Upper League")}));
    const SeasonScan s = scanSeasonFolder(folder.path(), listSeasonFileNames(folder.path()));
    EXPECT_EQ(s.filesFound, 7);
#ifdef _WIN32
    // The file system ignores case: both spellings are one file, which the second write replaced.
    EXPECT_EQ(s.leagueName, "Upper League");
#else
    EXPECT_EQ(s.leagueName, "Lower League");
#endif
}

TEST_F(SeasonScanTest, EmptyOrgFileGivesTwoBlanksInTheCaption) {
    write({}, {team(1, "A", "B", 1999)});
    EXPECT_EQ(scan().caption(), "Park Factors for  in 1999");
}

TEST_F(SeasonScanTest, NoTeamAfter1900LeavesSeasonZeroAndNoTeams) {
    write({org("L")}, {team(1, "Old", "Timers", 1900), team(2, "Neg", "Year", -1)});
    const SeasonScan s = scan();
    EXPECT_TRUE(s.isComplete());
    EXPECT_EQ(s.caption(), "Park Factors for L in 0");
    EXPECT_EQ(s.teamByPark, TeamByPark{});
}

TEST_F(SeasonScanTest, RecordsNotInUseChangeNothing) {
    auto retired = team(1, "Gone", "Club");
    retired.record.recordFlag = 1;
    auto invalidOrg = org("Invalid League", 0);
    auto retiredOrg = org("Retired League");
    retiredOrg.record.recordFlag = 1;
    write({org("Real League"), invalidOrg, retiredOrg}, {retired});
    const SeasonScan s = scan();
    EXPECT_EQ(s.leagueName, "Real League");
    EXPECT_EQ(s.seasonText, "0");
    EXPECT_EQ(s.teamByPark.nameFor(1), "");
}

TEST_F(SeasonScanTest, LeagueNameNulRules) {
    EXPECT_EQ(leagueNameFromField(std::string("Grand\0Slam", 10) + std::string(20, '\0')), "Grand Slam");
    EXPECT_EQ(leagueNameFromField("  Padded League" + std::string(15, ' ')),
              "  Padded League" + std::string(15, ' '));
    EXPECT_EQ(leagueNameFromField(std::string("  Two\0", 6) + std::string(24, ' ')), "Two");
    EXPECT_EQ(leagueNameFromField(std::string(30, '\0')), "");
    // Without a NUL the trailing blanks reach the caption.
    write({org("Blank League", 1, ' ')}, {team(1, "A", "B")});
    EXPECT_EQ(scan().caption(), "Park Factors for Blank League" + std::string(18, ' ') + " in 2031");
}

TEST_F(SeasonScanTest, TeamNamePartsAreCutAtTheFirstNulAndNotTrimmed) {
    write({org("L")}, {team(1, "", "Voyagers"), team(2, "Full Sixteen Chr", "Second Part Full"),
                       team(3, "Padded", "Blanks", 2031, ' '), team(4, "", "")});
    const SeasonScan s = scan();
    EXPECT_EQ(s.teamByPark.nameFor(1), " Voyagers");
    EXPECT_EQ(s.teamByPark.nameFor(2), "Full Sixteen Chr Second Part Full");
    EXPECT_EQ(s.teamByPark.nameFor(2).size(), 33u);
    EXPECT_EQ(s.teamByPark.nameFor(3), "Padded           Blanks          ");
    EXPECT_EQ(s.teamByPark.nameFor(4), " ");
    EXPECT_EQ(teamNamePart(std::string("Ab\0cd", 5) + std::string(11, ' ')), "Ab");
}

TEST_F(SeasonScanTest, LaterTeamOfTheSameParkWinsAndOutOfRangeIdsAreLeftOut) {
    write({org("L")}, {team(5, "First", "Tenant"), team(5, "Second", "Tenant"),
                       team(3001, "Far", "Away", 2040), team(-1, "Negative", "Id")});
    const SeasonScan s = scan();
    EXPECT_EQ(s.teamByPark.nameFor(5), "Second Tenant");
    EXPECT_EQ(s.teamByPark.nameFor(3001), "");
    EXPECT_EQ(s.teamByPark.nameFor(-1), "");
    EXPECT_EQ(s.seasonText, "2031"); // the last taken record, an out-of-range one, set the season
}

TEST_F(SeasonScanTest, ParkIdsAtBothEndsOfTheRangeHaveTheirPlace) {
    write({org("L")}, {team(0, "Zero", "Park"), team(3000, "Last", "Park")});
    const SeasonScan s = scan();
    EXPECT_EQ(s.teamByPark.nameFor(0), "Zero Park");
    EXPECT_EQ(s.teamByPark.nameFor(3000), "Last Park");
}

TEST_F(SeasonScanTest, UnreadableTeamOrOrgFileMakesTheFolderIncomplete) {
    write({org("L")}, {team(1, "A", "B")});
    std::filesystem::remove(folder / "dmbteam.dat");
    std::filesystem::create_directory(folder / "dmbteam.dat");
    const SeasonScan s = scan();
    EXPECT_FALSE(s.isComplete());
    ASSERT_EQ(s.problems.size(), 1u);
    EXPECT_NE(s.problems[0].find("dmbteam.dat"), std::string::npos);

    std::filesystem::remove(folder / "dmbteam.dat");
    const SeasonScan missing = scan(); // listed but deleted since: not found
    EXPECT_FALSE(missing.isComplete());
}

TEST(SeasonFiles, ListingKeepsTheThreeNamesWithoutRegardToCaseAndNoFolders) {
    TempFolder folder;
    writeBytes(folder / "DMBPARK.dat", {1});
    writeBytes(folder / "dmbteam.dat", {1});
    writeBytes(folder / "dmbplayer.dat", {1});
    writeBytes(folder / "notes.txt", {1});
    std::filesystem::create_directory(folder / "dmborg.dat");
    EXPECT_EQ(listSeasonFileNames(folder.path()), (std::vector<std::string>{"DMBPARK.dat", "dmbteam.dat"}));
    EXPECT_TRUE(listSeasonFileNames(folder / "missing").empty());
}
