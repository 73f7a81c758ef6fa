// The page writer without a browser: the SHA-256 that its policy rests on, the policy naming exactly
// the page's own script and style, and escaping that holds for every byte a season file can hold.
#include "parkpage/parkpage.h"

#include "parkpage/pagetexts.h"
#include "parkpage/sha256.h"
#include "parktable/columntexts.h"
#include "parktable/parktable.h"

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

// A table of one park whose every text cell holds the given bytes.
parktable::ParkTable tableOf(const std::string& text) {
    parktable::ParkTable table = parktable::ParkTable::withCaptions();
    parktable::ParkTable::Row row{};
    for (std::string_view& cell : row)
        cell = "100";
    row[parktable::col::parkName] = text;
    row[parktable::col::teamName] = text;
    table.appendRow(row);
    return table;
}

TEST(ParkPage, PolicyNamesItsOwnScriptAndStyleAndEveryByteIsEscaped) {
    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte)
        everyByte += static_cast<char>(byte);
    const parktable::ParkTable table = tableOf(everyByte);
    const std::string page = parkPage({table, {"A <b>&amp; \"League\"", "2031\x80"}, nullptr, {}});

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
    // The park cell: markup characters as references, controls as U+FFFD, blanks collapsed, the
    // upper half as UTF-8.
    const std::string cell = between(page, "<th scope=\"row\">", "</th>");
    EXPECT_EQ(cell.find_first_of("<>\"'"), std::string::npos);
    EXPECT_NE(cell.find("!&quot;#$%&amp;&#39;()"), std::string::npos);
    EXPECT_NE(cell.find(";&lt;=&gt;?@"), std::string::npos);
    EXPECT_NE(cell.find("\xE2\x82\xAC\xEF\xBF\xBD\xE2\x80\x9A"), std::string::npos); // 0x80 0x81 0x82
    EXPECT_NE(cell.find("\xC3\xBF"), std::string::npos);                             // 0xFF
    EXPECT_EQ(cell.find("  "), std::string::npos);
}

TEST(PageTexts, DisplayTextAndKeys) {
    EXPECT_EQ(displayText("  Glen \t Haven\r\nFoxes  "), "Glen Haven Foxes");
    EXPECT_EQ(columnKey(parktable::col::firstFenceDistance + 3), "fence_distance.cf");
    EXPECT_EQ(columnKey(parktable::col::firstFactorRHB + 3), "factors_rhb.hr");
    EXPECT_EQ(columnKey(parktable::col::firstAttribute + 7), "rain_freq");
    EXPECT_EQ(parktable::factorTintAlpha(100), 0);
    EXPECT_EQ(parktable::factorTintAlpha(99), 12);
    EXPECT_EQ(parktable::factorTintAlpha(60), 150);
}

} // namespace
} // namespace vendrix::parkpage
