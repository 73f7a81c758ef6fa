// The batted-ball CSV: the forms a league's log comes in, and each way a line can be wrong.
#include "flight/league/battedballcsv.h"

#include <gtest/gtest.h>

namespace vendrix::flight {
namespace {

TEST(BattedBallCsv, ReadsEveryFormALogComesIn) {
    struct Case {
        const char* what;
        std::string text;
        std::vector<BattedBall> expected;
    };
    const Ball plain{100, 29, 0};
    const Case cases[] = {
        {"no header, three columns", "100,29,0\n", {{1, plain}}},
        {"CR LF, byte-order mark, blank lines, no last newline",
         "\xEF\xBB\xBF\r\n100,29,0\r\n\r\n 95.5 , +12 , -30.25 ",
         {{2, plain}, {4, {95.5, 12, -30.25}}}},
        {"spins and hand, some left empty",
         "100,29,0,2500,,L\n100,29,0,,-300\n",
         {{1, {100, 29, 0, 2500.0, std::nullopt, Hand::Left}}, {2, {100, 29, 0, std::nullopt, -300.0}}}},
        {"a header in another order, quoted fields",
         "Hand,direction,\"speed\",angle\n\"l\",-5,1e2,29\n",
         {{2, {100, 29, -5, std::nullopt, std::nullopt, Hand::Left}}}},
        {"the JSON's names",
         "speed_mph,angle_deg,direction_deg,sidespin_rpm,batter\n100,29,0,0,R\n",
         {{2, {100, 29, 0, std::nullopt, 0.0}}}},
        {"a header alone", "speed,angle,direction\n", {}},
        {"nothing", "", {}},
    };
    for (const Case& c : cases) {
        const BattedBallFile file = BattedBallFile::read(c.text);
        EXPECT_FALSE(file.error) << c.what << ": " << file.error->message();
        ASSERT_EQ(file.balls.size(), c.expected.size()) << c.what;
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_EQ(file.balls[i].line, c.expected[i].line) << c.what;
            EXPECT_EQ(file.balls[i].ball, c.expected[i].ball) << c.what;
        }
    }
    // A hand left out takes the caller's.
    EXPECT_EQ(BattedBallFile::read("100,29,0", Hand::Left).balls.at(0).ball.batter, Hand::Left);
}

TEST(BattedBallCsv, NamesTheLineAndTheValueThatStopIt) {
    struct Case {
        std::string text;
        BadBallLine expected;
    };
    const Case cases[] = {
        {"100,29,0\n-3,29,0\n", {2, "-3", "speed must be 0 to 200 mph"}},
        {"100,91,0\n", {1, "91", "angle must be -90 to 90 degrees"}},
        {"100,29,0,2500,0,S\n", {1, "S", "hand must be L or R"}},
        {"100,29,abc\n", {1, "abc", "direction is not a number"}},
        {"100,29,nan\n", {1, "nan", "direction is not a number"}},
        {"100,29,0,20000\n", {1, "20000", "backspin must be -10000 to 10000 rpm"}},
        {"100,29\n",
         {1, "100,29",
          "has 2 fields; expected 3 to 6 (speed, angle, direction[, backspin, sidespin, hand])"}},
        {"100,29,0,1,2,R,x\n",
         {1, "100,29,0,1,2,R,x",
          "has 7 fields; expected 3 to 6 (speed, angle, direction[, backspin, sidespin, hand])"}},
        {"speed,angle,direction\n\n100,29\n", {3, "100,29", "has 2 fields; expected 3 as the header"}},
        {"speed,angle,direction\n100,29,\n", {2, "", "direction is not a number"}},
        {"speed,angel,direction\n",
         {1, "angel",
          "is neither a number nor a column (speed, angle, direction, backspin, sidespin, hand)"}},
        {"speed,angle,speed,direction\n", {1, "speed", "names a column twice"}},
        {"speed,angle,hand\n", {1, "speed,angle,hand", "the header has no direction column"}},
        {"100,29,\"0\n", {1, "100,29,\"0", "has a quote left open or text after a closing quote"}},
        {"100,\"29\"x,0\n", {1, "100,\"29\"x,0", "has a quote left open or text after a closing quote"}},
        {"100,29,0\x01\n", {1, "0?", "direction is not a number"}},
        {"100,29," + std::string(100, '9') + "\n",
         {1, std::string(60, '9') + "...", "direction must be -180 to 180 degrees"}},
    };
    for (const Case& c : cases) {
        const BattedBallFile file = BattedBallFile::read(c.text);
        ASSERT_TRUE(file.error) << c.text;
        EXPECT_EQ(*file.error, c.expected) << c.text;
        EXPECT_TRUE(file.balls.empty()) << c.text;
    }
    EXPECT_EQ(BadBallLine({7, "-3", "speed must be 0 to 200 mph"}).message(),
              "line 7: \"-3\": speed must be 0 to 200 mph");
}

} // namespace
} // namespace vendrix::flight
