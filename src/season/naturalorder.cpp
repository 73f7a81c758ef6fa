#include "naturalorder.h"

#include "letterfold.h"

namespace vendrix::season {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The digit run of text from i on, without its leading zeros; i moves past the run.
std::string_view numberAt(std::string_view text, std::size_t& i) {
    while (i < text.size() && text[i] == '0')
        ++i;
    const std::size_t start = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return text.substr(start, i - start);
}

int sign(int value) {
    return (value > 0) - (value < 0);
}

// Numbers by value, everything else by plain small letter; 0 when the texts differ only in case,
// accents or leading zeros.
int comparePlain(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const std::string_view x = numberAt(a, i);
            const std::string_view y = numberAt(b, j);
            if (x.size() != y.size())
                return x.size() < y.size() ? -1 : 1;
            if (const int digits = x.compare(y); digits != 0)
                return sign(digits);
            continue;
        }
        const auto x = static_cast<unsigned char>(plainLetterWindows1252(a[i++]));
        const auto y = static_cast<unsigned char>(plainLetterWindows1252(b[j++]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    const bool aLeft = i < a.size();
    const bool bLeft = j < b.size();
    return static_cast<int>(aLeft) - static_cast<int>(bLeft);
}

} // namespace

int compareNatural(std::string_view a, std::string_view b) {
    if (const int plain = comparePlain(a, b); plain != 0)
        return plain;
    return sign(a.compare(b));
}

} // namespace vendrix::season
