#include "output/csvexport.h"

#include "fixtureseason.h"
#include "seasonmaker.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace vendrix;
using test::sp;

namespace {

std::string repeated(const std::string& field, int times) {
    std::string fields;
    for (int i = 0; i < times; ++i)
        fields += field + ",";
    return fields;
}

} // namespace

TEST(CsvExport, FixtureSeasonGivesExactBytes) {
    const std::string groups = "\"\",\"\",\"\"," + repeated("\"Fence Distance\"", 7) +
                               repeated("\"Fence Height\"", 7) + repeated("\"Factors LHB\"", 4) +
                               repeated("\"Factors RHB\"", 4) + repeated("\"\"", 7) + "\"\"";
    const std::string captions =
        R"(" Park Name "," Team Name  ","Year","LFL","LF ","LCF","CF","RCF","RF","RFL","LFL","LF ","LCF","CF",)"
        R"("RCF","RF","RFL","1B","2B","3B","HR","1B","2B","3B","HR","Type","Surface","FoulGrnd","TimeZone",)"
        R"("Wind Spd","Avg Temp","Temp Chg","Rain Freq")";
    // The quotes of the park name are doubled; the comma stays inside the field.
    const std::string first =
        "\"The \"\"Big\"\" Yard, East" + sp(10) +
        R"(","Harbor Gulls","2031","330","365","385","404","385","365","330",)"
        R"("8","10","12","14","16","18","20","88","95","102","109","90","95","100","105",)"
        R"("OutDoor","Grass","Normal","Eastern","Moderate","Warm","Normal","Rare")";
    // No team: an empty field, not "N/A".
    const std::string second = "\"Pe\xF1"
                               "a Park" +
                               sp(21) +
                               R"(","","2031","-1","5","42","400","310","99","1000",)"
                               R"("0","1","255","3","4","5","6","100","-5","0","7","1","22","333","4444",)"
                               R"("Dome","Turf","Small","Unknown","None","Super Hot","None","Never")";
    const std::string expected = groups + "\r\n" + captions + "\r\n" + first + "\r\n" + second + "\r\n";

    EXPECT_EQ(output::csvText(test::fixtureSeason().table()), expected);
}

TEST(CsvExport, CaptionsOnlyTableGivesTwoLines) {
    const std::string csv = output::csvText(parktable::ParkTable(model::Season()));
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 2);
    EXPECT_TRUE(csv.ends_with("\"Rain Freq\"\r\n"));
}

TEST(CsvExport, EveryQuoteInACellIsDoubled) {
    const model::Season season = test::seasonOf({test::parkRecord("\"")}, {{1, "a\"\"b\""}});
    const std::string csv = output::csvText(parktable::ParkTable(season));
    const std::string last = csv.substr(csv.rfind("\r\n", csv.size() - 3) + 2);
    EXPECT_TRUE(last.starts_with(R"(""")" + std::string(29, ' ') + R"(","a""""b""","2031",)")) << last;
}

TEST(CsvExport, WrittenInPiecesItIsTheSameText) {
    const auto fixture = test::fixtureSeason();
    const parktable::ParkTable table = fixture.table();
    for (const std::size_t bytes : {std::size_t{1}, std::size_t{150}, std::size_t{100000}}) {
        std::string pieces;
        for (int row = 0; row < table.rowCount();) {
            std::string piece;
            row = output::appendCsvLines(table, row, bytes, piece);
            pieces += piece;
        }
        EXPECT_EQ(pieces, output::csvText(table)) << bytes;
    }
}
