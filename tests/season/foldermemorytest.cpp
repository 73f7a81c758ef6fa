// ParkDir.txt's bytes, both ways.
#include "season/foldermemory.h"

#include "season/windows1252.h"

#include <gtest/gtest.h>

namespace vendrix::season::foldermemory {
namespace {

TEST(FolderMemory, ExitLineIsTheQuotedPathAndCrLf) {
    EXPECT_EQ(format("/data/seasons/a"), "\"/data/seasons/a\"\r\n");
    EXPECT_EQ(format("/data/seasons/a").size(), 19u); // a path of 15 characters
    EXPECT_EQ(format("/home/Saison \xC3\xA9t\xC3\xA9"), "\"/home/Saison \xE9t\xE9\"\r\n");
    EXPECT_EQ(format("/x/\xE2\x82\xAC"), "\"/x/\x80\"\r\n");
}

TEST(FolderMemory, PathOutsideTheCodePageIsKeptAsUtf8) {
    const std::string cyrillic = "/home/\xD0\xA1\xD0\xB5\xD0\xB7\xD0\xBE\xD0\xBD";
    EXPECT_EQ(format(cyrillic), "\xEF\xBB\xBF\"" + cyrillic + "\"\r\n");
    EXPECT_EQ(parse(format(cyrillic)), cyrillic);
    const std::string notUtf8 = "/home/\xFF\xFE";
    EXPECT_EQ(parse(format(notUtf8)), notUtf8);
}

TEST(FolderMemory, EveryWrittenPathReadsBack) {
    for (const std::string path :
         {"/a", "/a b/c", "/q\"uote\"d", "/lead \xC3\xA9", "/trail ", "/comma,path", ""})
        EXPECT_EQ(parse(format(path)), path) << path;
}

TEST(FolderMemory, LinesNotWrittenByExit) {
    EXPECT_EQ(parse("\"C:\\Seasons\\2031\""), "C:\\Seasons\\2031"); // no line end
    EXPECT_EQ(parse("  \"/x/y\"  \r\n\"/second\"\r\n"), "/x/y");    // blanks, a second line
    EXPECT_EQ(parse("\"/unclosed\r\n"), "/unclosed");
    EXPECT_EQ(parse("  /plain/path  , other\r\n"), "/plain/path");
    EXPECT_EQ(parse("/plain/path\n"), "/plain/path");
    EXPECT_EQ(parse("/caf\xE9"), "/caf\xC3\xA9");
    EXPECT_EQ(parse(""), "");
    EXPECT_EQ(parse("\r\n/next line"), "");
    EXPECT_EQ(parse(std::string("\"/nul\0byte\"", 11)), std::string("/nul\0byte", 9));
}

TEST(Windows1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const std::string utf8 = season::windows1252::toUtf8(all);
    EXPECT_EQ(season::windows1252::fromUtf8(utf8), all);
    EXPECT_EQ(season::windows1252::toUnicode(0x80), u'\u20AC');
    EXPECT_EQ(season::windows1252::toUnicode(0x9F), u'\u0178');
    EXPECT_EQ(season::windows1252::toUnicode(0x8D), u'\u008D');
    EXPECT_FALSE(season::windows1252::fromUtf8("\xE2\x98\x83")); // a snowman has no byte
    EXPECT_FALSE(season::windows1252::fromUtf8("\xC3"));         // cut short
    EXPECT_FALSE(season::windows1252::fromUtf8("\xC0\xAF"));     // overlong
}

} // namespace
} // namespace vendrix::season::foldermemory
