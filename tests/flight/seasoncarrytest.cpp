// A season's parks against one ball and the shape grid: the same verdicts and factors as the flight room
// gives park by park, whatever the season's parks share (fences, airs) and however many threads judge them;
// parks whose walls cannot be real, or without an air of their own, count for nothing.
#include "flight/league/seasoncarry.h"

#include "flight/league/seasonshapefactors.h"
#include "seasonmaker.h"

#include <gtest/gtest.h>
#include <random>

namespace vendrix::flight {
namespace {

constexpr int kDistinctFences = 300; // past the count at which the factors are spread over threads

// Every fence twice, in a random order of airs, and three parks that count for nothing: a distance of
// -1, a wall of 200 ft, and (only in each park's own air) a wind code without a word.
model::Season variedSeason() {
    std::mt19937 random(2032);
    std::uniform_int_distribution<int> spread(-25, 25);
    std::uniform_int_distribution<int> wall(4, 40);
    std::uniform_int_distribution<int> code(0, 5);
    constexpr std::array<int, 7> kUsual{320, 360, 385, 405, 385, 360, 320};
    std::vector<season::ParkRecord> records;
    for (int i = 0; i < kDistinctFences; ++i) {
        season::ParkRecord record = test::parkRecord("Park " + std::to_string(i), i + 1);
        for (std::size_t p = 0; p < kUsual.size(); ++p) {
            record.fenceDistance[p] = static_cast<std::int16_t>(kUsual[p] + spread(random));
            record.fenceHeight[p] = static_cast<std::uint8_t>(wall(random));
        }
        for (int copy = 0; copy < 2; ++copy) {
            record.avgTemp = static_cast<std::uint8_t>(code(random));
            record.windSpeed = static_cast<std::uint8_t>(code(random));
            records.push_back(record);
        }
    }
    records[10].fenceDistance[2] = -1;
    records[20].fenceHeight[5] = 200;
    records[30].windSpeed = 9;
    return test::seasonOf(records);
}

TEST(SeasonCarry, EachParkIsJudgedAsTheFlightRoomJudgesItInItsAir) {
    const model::Season season = variedSeason();
    const SeasonParks parks(season);
    ASSERT_EQ(parks.count(), 2 * kDistinctFences);
    EXPECT_FALSE(parks.shapeAt(11) || parks.shapeAt(21));
    EXPECT_FALSE(parks.ownAirAt(31));
    EXPECT_NE(SeasonParks::whyLeftOut(season.parkAtRow(31), true).find("no air of its own"),
              std::string::npos);

    const Ball ball{99.0, 27.0, -12.0, std::nullopt, std::nullopt, Hand::Left};
    const Conditions windy{84.0, 1000.0, 30.0, 9.0, 150.0};
    for (const Air& air : {Air::of(windy), Air::parksOwn()}) {
        const SeasonCarry carry = SeasonCarry::of(parks, ball, air);
        EXPECT_EQ(carry.open().landing().distanceFt,
                  Flight(ball, air.everywhere.value_or(Conditions{})).landing().distanceFt);
        std::size_t out = 0;
        std::size_t counted = 0;
        for (int row = 1; row <= parks.count(); ++row) {
            const std::optional<Conditions> own = air.isParksOwn() ? parks.ownAirAt(row) : air.everywhere;
            const auto& verdict = carry.verdictAt(row);
            if (!parks.shapeAt(row) || !own) {
                EXPECT_FALSE(verdict) << row;
                continue;
            }
            const auto expected = ParkVerdict::of(Flight(ball, *own), *parks.shapeAt(row));
            ASSERT_TRUE(verdict && expected) << row;
            EXPECT_EQ(verdict->verdict, expected->verdict) << row;
            EXPECT_EQ(verdict->marginFt, expected->marginFt) << row;
            EXPECT_EQ(carry.flightAt(row).conditions(), *own) << row;
            out += verdict->verdict == Verdict::Out ? 1 : 0;
            ++counted;
        }
        EXPECT_EQ(carry.tally().outCount(), out);
        EXPECT_EQ(carry.tally().parkCount(), counted);
        EXPECT_GT(out, 0u);
        EXPECT_LT(out, counted);
    }
}

TEST(SeasonCarry, ShapeFactorsOfASeasonAreThoseOfItsParksOneByOne) {
    const model::Season season = variedSeason();
    const SeasonParks parks(season);
    std::vector<std::optional<parkshape::ParkShape>> shapes;
    for (int row = 1; row <= parks.count(); ++row)
        shapes.push_back(parks.shapeAt(row));
    const ShapeGrid grid;
    const auto expected = ShapeFactor::ofParks(grid, shapes);
    const auto factors = seasonShapeFactors(parks, grid);
    ASSERT_EQ(factors.size(), expected.size());
    for (std::size_t i = 0; i < factors.size(); ++i) {
        ASSERT_EQ(factors[i].has_value(), expected[i].has_value()) << i;
        if (!factors[i])
            continue;
        EXPECT_EQ(factors[i]->shareLhb, expected[i]->shareLhb) << i;
        EXPECT_EQ(factors[i]->hrRhb, expected[i]->hrRhb) << i;
    }
    EXPECT_FALSE(factors[10] || factors[20]);
}

} // namespace
} // namespace vendrix::flight
