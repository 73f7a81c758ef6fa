#include "output/printedreport.h"

#include "fixtureseason.h"
#include "output/printedpages.h"
#include "seasonmaker.h"

#include <gtest/gtest.h>

using namespace vendrix;
using test::sp;

namespace {

struct Line {
    std::string text;
    bool inReportFont = true;
    bool operator==(const Line&) const = default;
};

using Page = std::vector<Line>;

std::vector<Page> pagesOf(const output::PrintedReport& report, const output::PageMetrics& metrics) {
    std::vector<Page> pages;
    for (const output::PrintedPage& printed : output::paginate(report, metrics)) {
        Page& page = pages.emplace_back();
        for (const output::PageLine& line : printed)
            page.push_back({std::string(line.text), line.inReportFont});
    }
    return pages;
}

// A sheet of 50 lines of report type, the leading lines a little taller.
constexpr output::PageMetrics kRoomyPage{500.0, 12.0, 10.0};

const std::string kTitle = sp(46) + "Park Factors for Fixture League in 2031";
const std::string kTeamCaption = " Team Name  " + sp(12);
const std::string kCaptions = sp(5) + " Park Name " + sp(19) + kTeamCaption;
const std::string kFirst = sp(5) + "The \"Big\" Yard, East" + sp(10) + "Harbor Gulls" + sp(12);
const std::string kSecond = sp(5) +
                            "Pe\xF1"
                            "a Park" +
                            sp(21) + "     N/A" + sp(16);

// The printed report of parks named "Field" with "Moderate" wind, all of one team.
output::PrintedReport reportOfParks(int parks, const std::string& team = "Club") {
    season::ParkRecord park = test::parkRecord("Field");
    park.windSpeed = 3;
    const model::Season season =
        test::seasonOf(std::vector<season::ParkRecord>(static_cast<std::size_t>(parks), park), {{1, team}});
    return output::layoutPrintedReport(parktable::ParkTable(season), "T");
}

} // namespace

TEST(PrintedReport, FixtureSeasonGivesFourPagesOfExactLines) {
    const auto fixture = test::fixtureSeason();
    const std::vector<Page> expected{
        {
            {"", false},
            {"", false},
            {kTitle},
            {""},
            {sp(61) + "           FENCE DISTANCE      " + "            FENCE HEIGHT      "},
            {kCaptions + "Year " + "  LFL  LF   LCF   CF  RCF   RF" + " RFL LFL LF  LCF  CF RCF  RF RFL"},
            {kFirst + "2031 " + "  330  365  385  404  385  365" + " 330   8  10  12  14  16  18  20"},
            {kSecond + "2031 " + "   -1    5   42  400  310   99" + " 1000   0   1 255   3   4   5   6"},
        },
        {
            {""},
            {""},
            {kTitle},
            {" "},
            {sp(61) + "        LEFT HANDED        " + "     RIGHT HANDED            "},
            {kCaptions + "Year  " + "    1B    2B    3B    HR    1B    2B    3B    HR"},
            {kFirst + "2031  " + "    88    95   102   109    90    95   100   105"},
            {kSecond + "2031  " + "   100    -5     0     7     1    22   333  4444"},
        },
        {
            {""},
            {""},
            {kTitle},
            {""},
            {kCaptions + "Year  " + " Type" + sp(11) + " Surface" + sp(8) + " FoulGrnd" + sp(7) +
             " TimeZone" + sp(7)},
            {kFirst + "2031  " + " OutDoor" + sp(8) + " Grass" + sp(10) + " Normal" + sp(9) + " Eastern" +
             sp(8)},
            {kSecond + "2031  " + " Dome" + sp(11) + " Turf" + sp(11) + " Small" + sp(10) + " Unknown" +
             sp(8)},
        },
        {
            {""},
            {""},
            {kTitle},
            {" "},
            {kCaptions + "Year  " + " Wind Spd" + sp(7) + " Avg Temp" + sp(7) + " Temp Chg" + sp(7) +
             " Rain Freq" + sp(6)},
            {kFirst + "2031  " + " Moderate" + sp(7) + " Warm" + sp(11) + " Normal" + sp(9) + " Rare" +
             sp(11)},
            {kSecond + "2031  " + " None" + sp(11) + " Super Hot" + sp(6) + " None" + sp(11) + " Never" +
             sp(10)},
        },
    };
    const output::PrintedReport report = output::layoutPrintedReport(fixture.table(), fixture.title);
    EXPECT_EQ(report.fontFace, "cOURIER nEW");
    EXPECT_EQ(report.fontPoints, 10);
    EXPECT_EQ(pagesOf(report, kRoomyPage), expected);
    EXPECT_EQ(report.sections[0][3].size(), 126u);
    EXPECT_EQ(report.sections[1][5].size(), 113u);
    EXPECT_EQ(report.sections[2][4].size(), 129u);
}

TEST(PrintedReport, TeamFieldCases) {
    auto teamAndYear = [](std::string_view team) {
        return reportOfParks(1, std::string(team)).sections[0][4].substr(35, 29);
    };
    EXPECT_EQ(teamAndYear(" "), sp(24) + "2031 ");
    EXPECT_EQ(teamAndYear("Twentyfour Char Name Xxx"), "Twentyfour Char Name Xxx2031 ");
    EXPECT_EQ(teamAndYear(""), "     N/A" + sp(16) + "2031 ");
    const std::string team33 = "ABCDEFGHIJKLMNOP QRSTUVWXYZabcdef";
    const output::PrintedReport report = reportOfParks(1, team33);
    for (const auto& section : report.sections)
        EXPECT_EQ(section.back().substr(35, 33), team33);
    const output::PrintedReport windy = reportOfParks(1);
    EXPECT_EQ(windy.sections[3].back().substr(65, 16), " Moderate" + sp(7));
}

TEST(PrintedReport, CaptionsOnlyTableStillPrintsEverySectionHead) {
    const auto pages =
        pagesOf(output::layoutPrintedReport(parktable::ParkTable(model::Season()), ""), kRoomyPage);
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(pages[0].size(), 6u);
    EXPECT_EQ(pages[0][2].text, sp(46));
    EXPECT_EQ(pages[3].size(), 5u);
}

TEST(PrintedReport, LongSectionGoesOnOverSheetsWithoutTitleOrHeading) {
    // 12 lines to a sheet; section 1 has 2 leading lines, title, spacer, heading and 31 body lines.
    const output::PageMetrics smallPage{120.0, 10.0, 10.0};
    const output::PrintedReport report = reportOfParks(30);
    const std::vector<output::PrintedPage> pages = output::paginate(report, smallPage);
    // Sections of 36, 36, 35 and 35 lines: 3 sheets each.
    ASSERT_EQ(pages.size(), 12u);
    EXPECT_EQ(pages[1].front().text, report.sections[0][10]);
    EXPECT_EQ(pages[1].front().top, 0.0);
    EXPECT_EQ(pages[2].size(), 12u);
    EXPECT_EQ(pages[3].front().text, report.sections[1][0]);
    EXPECT_EQ(pages[11].back().text, report.sections[3].back());
    for (const auto& page : pages)
        EXPECT_LE(page.back().top + 10.0, smallPage.printableHeight);
}

TEST(PrintedReport, SheetThatHoldsExactlyTheLinesTakesThemAll) {
    // Heights that do not add up exactly in floating point must not push the last line over.
    // Fifteen times 0.1 adds up to a little more than 1.5.
    const output::PageMetrics page{1.5, 0.1, 0.1};
    const auto pages = output::paginate(reportOfParks(30), page);
    EXPECT_EQ(pages[0].size(), 15u);
}
