// The page writer without a browser: the SHA-256 that its policy rests on, the policy naming exactly
// the page's own script and style, and escaping that holds for every byte a season file can hold.
#include "parkpage/parkpage.h"

#include "model/tints.h"
#include "parkpage/pagetexts.h"
#include "parkpage/sha256.h"
#include "seasonmaker.h"

#include <gtest/gtest.h>
#include <string>

namespace vendrix::parkpage {
namespace {

std::string hex(std::string_view bytes) {
    std::string text;
    for (const std::uint8_t byte : sha256(bytes)) {
        text += "0123456789abcdef"[byte >> 4];
        text += "0123456789abcdef"[byte & 15];
    }
    return text;
}

std::string between(const std::string& text, const std::string& open, const std::string& close) {
    const std::size_t start = text.find(open);
    EXPECT_NE(start, std::string::npos) << open;
    const std::size_t from = start + open.size();
    return text.substr(from, text.find(close, from) - from);
}

TEST(Sha256, KnownDigestsAcrossBlockBoundaries) {
    EXPECT_EQ(hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // 56 bytes: the length no longer fits the first block.
    EXPECT_EQ(hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(hex(std::string(1000000, 'a')),
              "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
    EXPECT_EQ(sha256Base64(""), "47DEQpj8HBSa+/TImW+5JCeuQeRkm5NMpJWZG3hSuFU=");
}

TEST(ParkPage, PolicyNamesItsOwnScriptAndStyleAndEveryByteIsEscaped) {
    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte)
        everyByte += static_cast<char>(byte);
    auto teams = std::make_shared<season::TeamByPark>();
    teams->set(1, everyByte);
    model::Season season({}, "A <b>&amp; \"League\"", "2031\x80", 2031, std::move(teams));
    season.addPark(test::parkRecord("Park"));
    const std::string page = parkPage({season, nullptr, {}});

    const std::string policy = between(page, "Content-Security-Policy\" content=\"", "\"");
    EXPECT_NE(policy.find("script-src 'sha256-" + sha256Base64(between(page, "<script>", "</script>")) + "'"),
              std::string::npos);
    EXPECT_NE(policy.find("style-src 'sha256-" + sha256Base64(between(page, "<style>", "</style>")) + "'"),
              std::string::npos);
    EXPECT_NE(policy.find("default-src 'none'"), std::string::npos);

    EXPECT_NE(
        page.find(
            "<title>Park Factors for A &lt;b&gt;&amp;amp; &quot;League&quot; in 2031\xE2\x82\xAC</title>"),
        std::string::npos);
    // The team's cell: markup characters as references, controls as U+FFFD, blanks collapsed, the
    // upper half as UTF-8.
    const std::string cell = between(page, "<tr id=\"r1\"><th scope=\"row\">Park</th><td>", "</td>");
    EXPECT_EQ(cell.find_first_of("<>\"'"), std::string::npos);
    EXPECT_NE(cell.find("!&quot;#$%&amp;&#39;()"), std::string::npos);
    EXPECT_NE(cell.find(";&lt;=&gt;?@"), std::string::npos);
    EXPECT_NE(cell.find("\xE2\x82\xAC\xEF\xBF\xBD\xE2\x80\x9A"), std::string::npos); // 0x80 0x81 0x82
    EXPECT_NE(cell.find("\xC3\xBF"), std::string::npos);                             // 0xFF
    EXPECT_EQ(cell.find("  "), std::string::npos);
}

TEST(PageTexts, DisplayTextAndTints) {
    EXPECT_EQ(displayText("  Glen \t Haven\r\nFoxes  "), "Glen Haven Foxes");
    EXPECT_EQ(model::factorTint(100).alpha, 0);
    EXPECT_EQ(model::factorTint(99).alpha, 12);
    EXPECT_EQ(model::factorTint(60).alpha, 150);
}

// A value that cannot be real is marked as the window marks it, and the League average row says over
// how many parks it is taken; a park named twice is told apart in the words about the comparison.
TEST(ParkPage, MarksWhatCannotBeRealAndNamesTheAveragesCount) {
    std::vector<season::ParkRecord> parks(3, test::parkRecord("Twin"));
    parks[1].fenceDistance[0] = -1;
    const model::Season season = test::seasonOf(parks);
    const std::string page = parkPage({season, nullptr, {}});
    EXPECT_NE(
        page.find("<td class=\"bad\" title=\"A fence distance of -1 ft is outside 1 to 999 ft; left out of "
                  "the League average and the ranks\">-1</td>"),
        std::string::npos);
    EXPECT_NE(
        page.find("<td title=\"LFL, distance: mean over 2 of 3 parks; 1 left out, as its value cannot be "
                  "real\">330.0</td>"),
        std::string::npos);
    const std::string compared = comparedPage(test::seasonOf({parks[0]}), season);
    EXPECT_NE(compared.find("Only in this season: Twin (2 of 3), Twin (3 of 3)"), std::string::npos);
}

} // namespace
} // namespace vendrix::parkpage
