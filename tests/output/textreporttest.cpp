#include "output/textreport.h"

#include "fixtureseason.h"
#include "seasonmaker.h"

#include <gtest/gtest.h>
#include <sstream>
#include <vector>

using namespace vendrix;
using test::sp;

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

const std::string kCaptionPrefix = sp(2) + " Park Name " + sp(19) + " Team Name  " + sp(16) + "Year ";
const std::string kFirstPrefix =
    sp(2) + "The \"Big\" Yard, East" + sp(10) + "Harbor Gulls" + sp(16) + "2031 ";
const std::string kSecondPrefix = sp(2) +
                                  "Pe\xF1"
                                  "a Park" +
                                  sp(21) + "     N/A" + sp(20) + "2031 ";

// The text report of one park, "Field", with the team.
std::string reportWithTeam(const std::string& team) {
    const model::Season season = test::seasonOf({test::parkRecord("Field")}, {{1, team}});
    return output::textReport(parktable::ParkTable(season), "T");
}

} // namespace

TEST(TextReport, FixtureSeasonGivesExactLines) {
    const auto fixture = test::fixtureSeason();
    const std::vector<std::string> expected{
        sp(46) + "Park Factors for Fixture League in 2031",
        "",
        sp(61) + "         FENCE DISTANCE      " + "         FENCE HEIGHT      ",
        kCaptionPrefix + " LFL LF  LCF  CF RCF  RF RFL LFL LF  LCF  CF RCF  RF RFL",
        kFirstPrefix + " 330 365 385 404 385 365 330   8  10  12  14  16  18  20",
        // 1000 is written whole and pushes the heights one place right.
        kSecondPrefix + "  -1   5  42 400 310  99 1000   0   1 255   3   4   5   6",
        "",
        sp(61) + "          LEFT HANDED        " + "RIGHT HANDED            ",
        kCaptionPrefix + "   1B   2B   3B   HR   1B   2B   3B   HR",
        kFirstPrefix + "   88   95  102  109   90   95  100  105",
        kSecondPrefix + "  100   -5    0    7    1   22  333 4444",
        "",
        kCaptionPrefix + " Type" + sp(9) + " Surface" + sp(6) + " FoulGrnd" + sp(5) + " TimeZone" + sp(5),
        kFirstPrefix + " OutDoor" + sp(6) + " Grass" + sp(8) + " Normal" + sp(7) + " Eastern" + sp(6),
        kSecondPrefix + " Dome" + sp(9) + " Turf" + sp(9) + " Small" + sp(8) + " Unknown" + sp(6),
        " ",
        kCaptionPrefix + " Wind Spd" + sp(5) + " Avg Temp" + sp(5) + " Temp Chg" + sp(5) + " Rain Freq" +
            sp(4),
        kFirstPrefix + " Moderate" + sp(5) + " Warm" + sp(9) + " Normal" + sp(7) + " Rare" + sp(9),
        kSecondPrefix + " None" + sp(9) + " Super Hot" + sp(4) + " None" + sp(9) + " Never" + sp(8),
    };
    const std::string report = output::textReport(fixture.table(), fixture.title);
    EXPECT_EQ(linesOf(report), expected);
    EXPECT_EQ(linesOf(report).size(), 4u * 2 + 11);
}

TEST(TextReport, CaptionsOnlyTableAndEmptyTitleGiveElevenLines) {
    const auto lines = linesOf(output::textReport(parktable::ParkTable(model::Season()), ""));
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], sp(46));
    EXPECT_EQ(lines[3].size(), 121u);
    EXPECT_EQ(lines[6].size(), 105u);
}

TEST(TextReport, TeamFieldCases) {
    // A name of one blank is a name: written as blanks, not "N/A".
    EXPECT_EQ(linesOf(reportWithTeam(" "))[4].substr(32, 33), sp(28) + "2031 ");
    const std::string team24 = "Twentyfour Char Name Xxx";
    EXPECT_EQ(linesOf(reportWithTeam(team24))[4].substr(32, 33), team24 + sp(4) + "2031 ");
    // 33 characters against 28 positions: written whole, the year right behind it.
    const std::string team33 = "ABCDEFGHIJKLMNOP QRSTUVWXYZabcdef";
    for (const std::string& line : linesOf(reportWithTeam(team33)))
        if (line.starts_with("  Field"))
            EXPECT_EQ(line.substr(32, 38), team33 + "2031 ");
}
