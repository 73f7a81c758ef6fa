#include "parktable/fieldpattern.h"

#include <gtest/gtest.h>

using vendrix::parktable::FieldPattern;

TEST(FieldPatternTest, FillsFromTheLeftWithABangAndFromTheRightWithout) {
    EXPECT_EQ(FieldPattern("!@@@@ ").apply("12"), "12   ");
    EXPECT_EQ(FieldPattern(" @@@").apply("7"), "   7");
    EXPECT_EQ(FieldPattern(" @@@").apply("LF "), " LF ");
    EXPECT_EQ(FieldPattern(" @@@@@").apply("-1"), "    -1");
    EXPECT_EQ(FieldPattern("     !@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@").apply("Park"),
              "     Park" + std::string(26, ' '));
    EXPECT_EQ(FieldPattern(" !@@@@@@@@@@@@@@@").apply("Moderate"), " Moderate       ");
}

TEST(FieldPatternTest, WidthCountsLiteralsButNotTheBang) {
    EXPECT_EQ(FieldPattern("!@@@@@@@@@@@@@@@@@@@@@@@@").width(), 24u);
    EXPECT_EQ(FieldPattern("!@@@@@ ").width(), 6u);
    EXPECT_EQ(FieldPattern(" @@@").positions(), 3u);
}

TEST(FieldPatternTest, EmptyTextGivesBlanksAndExactFitNeedsNoPadding) {
    EXPECT_EQ(FieldPattern(" @@@").apply(""), "    ");
    EXPECT_EQ(FieldPattern("!@@@@ ").apply("2031"), "2031 ");
    EXPECT_EQ(FieldPattern(" @@@").apply("400"), " 400");
}

TEST(FieldPatternTest, LongTextIsWrittenWholeAndPushesTheRest) {
    EXPECT_EQ(FieldPattern("!@@@@ ").apply("12345"), "12345 ");
    EXPECT_EQ(FieldPattern(" @@@").apply("-1000"), " -1000");
    EXPECT_EQ(FieldPattern("!@@").apply("abcdef"), "abcdef");
    EXPECT_EQ(FieldPattern("x").apply("y"), "xy");
}

TEST(FieldPatternTest, TextBytesPassUnchanged) {
    const std::string bytes = "Pe\xF1"
                              "a\t\"";
    EXPECT_EQ(FieldPattern("!@@@@@@@").apply(bytes), bytes + " ");
}
