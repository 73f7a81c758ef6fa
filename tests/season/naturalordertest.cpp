#include "season/naturalorder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace vendrix::season {
namespace {

TEST(NaturalOrder, SortsNamesAsPeopleExpect) {
    // Each list is in the expected order.
    const std::vector<std::vector<std::string>> orders{
        {"Park 2", "park 3", "Park 10", "Park 10a", "Park 100"},
        {"\xC1lamo", "Alder", "alley", "Bay",
         "\xC9"
         "clair",
         "eclairs", "Euclid", "Zeta"},
        {"Pe\xF1"
         "a Field",
         "Penn Field", "Perez Field"},           // n with tilde beside n
        {"Aft", "\xC6rie", "\xE6sir"},           // the ligature with the a's
        {"Field 9", "Field 00010", "Field 011"}, // leading zeros do not count
        {"2nd Park", "A Park", "\x8Atadion", "Stadium", "\x9Atadt"},
        {"", " ", "A"},
        {"Park", "Park 1", "Park1"},
    };
    for (const auto& expected : orders) {
        std::vector<std::string> sorted = expected;
        std::reverse(sorted.begin(), sorted.end());
        std::stable_sort(sorted.begin(), sorted.end(), NaturalLess{});
        EXPECT_EQ(sorted, expected);
    }
    EXPECT_EQ(compareNatural("Park 2", "Park 2"), 0);
    EXPECT_NE(compareNatural("Park 2", "park 2"), 0) << "equal names apart from case still have an order";
    EXPECT_NE(compareNatural("Park 2", "Park 02"), 0);
}

// A strict total order: every pair compares one way, the reverse the other way, and it chains.
TEST(NaturalOrder, IsATotalOrderOnAnyBytes) {
    std::mt19937 random(20310);
    const std::string alphabet = std::string("aAeE\xE9\xC9 0129-\x8A\x9A\xFF\x9F", 17) + std::string(1, '\0');
    std::vector<std::string> texts(300);
    for (std::string& text : texts) {
        const int length = static_cast<int>(random() % 6);
        for (int i = 0; i < length; ++i)
            text.push_back(alphabet[random() % alphabet.size()]);
    }
    for (const std::string& a : texts)
        for (const std::string& b : texts) {
            const int ab = compareNatural(a, b);
            ASSERT_EQ(ab, -compareNatural(b, a)) << a << " | " << b;
            ASSERT_EQ(ab == 0, a == b) << a << " | " << b;
        }
    std::sort(texts.begin(), texts.end(), NaturalLess{});
    for (std::size_t i = 0; i + 1 < texts.size(); ++i)
        for (std::size_t j = i + 1; j < texts.size(); ++j)
            ASSERT_LE(compareNatural(texts[i], texts[j]), 0) << texts[i] << " | " << texts[j];
}

} // namespace
} // namespace vendrix::season
