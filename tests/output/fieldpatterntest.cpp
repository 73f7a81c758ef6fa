#include "output/fieldpattern.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using vendrix::output::FieldPattern;

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

namespace {

// The rule written the plain way, character by character: the reference the written fields must match.
std::string byTheRule(const std::string& pattern, const std::string& text) {
    const bool fromLeft = pattern.find('!') != std::string::npos;
    std::string layout;
    for (const char c : pattern)
        if (c != '!')
            layout.push_back(c);
    const std::size_t positions = static_cast<std::size_t>(std::count(layout.begin(), layout.end(), '@'));
    const std::size_t used = std::min(text.size(), positions);
    std::string out;
    std::size_t position = 0;
    std::size_t next = 0;
    for (const char c : layout) {
        if (c != '@') {
            out.push_back(c);
            continue;
        }
        const bool blank = fromLeft ? position >= used : position < positions - used;
        ++position;
        out.push_back(blank ? ' ' : text[next++]);
        if (position == positions)
            out += text.substr(next), next = text.size();
    }
    return out + text.substr(next);
}

} // namespace

TEST(FieldPatternTest, EveryPatternOfTheReportsWritesWhatTheRuleSays) {
    const std::vector<std::string> patterns{"     !@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
                                            "!@@@@@@@@@@@@@@@@@@@@@@@@",
                                            "!@@@@ ",
                                            "!@@@@@ ",
                                            " @@@@",
                                            " @@@",
                                            " @@@@@",
                                            " !@@@@@@@@@@@@@@@",
                                            "  !@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@",
                                            "@@-@@",
                                            "!@-@@",
                                            "x",
                                            ""};
    for (const std::string& pattern : patterns) {
        const FieldPattern field(pattern);
        for (std::size_t length = 0; length <= field.positions() + 3; ++length) {
            const std::string text = std::string(length, 'a') + (length > 0 ? " " : "");
            std::string written = "<";
            field.appendTo(written, text);
            EXPECT_EQ(written, "<" + byTheRule(pattern, text)) << '"' << pattern << "\" with \"" << text << '"';
        }
    }
}
