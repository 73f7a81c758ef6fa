// The JSON export and the season comparison on seasons of fuzzed parks: every JSON they write is
// read back by a strict reader (syntax, UTF-8, no raw control character), a season compared with
// itself shows no difference, and compared with its parks in reverse order loses or gains none.
#include "fuzztable.h"
#include "parkjson/seasonjson.h"
#include "seasondiff/comparisonjson.h"
#include "seasondiff/comparisontext.h"
#include "seasondiff/seasoncomparison.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using vendrix::model::Season;

void check(bool holds) {
    if (!holds)
        std::abort();
}

// A strict JSON reader that only says whether the text is one valid document.
class StrictJson {
public:
    explicit StrictJson(std::string_view text) : text_(text) {}

    void document() {
        value(0);
        blanks();
        check(at_ == text_.size());
    }

private:
    void blanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\n'))
            ++at_;
    }
    char next() {
        check(at_ < text_.size());
        return text_[at_++];
    }
    void expect(std::string_view word) {
        check(text_.substr(at_, word.size()) == word);
        at_ += word.size();
    }
    void value(int depth) {
        check(depth < 8);
        blanks();
        check(at_ < text_.size());
        const char c = text_[at_];
        if (c == '{' || c == '[') {
            ++at_;
            const char close = c == '{' ? '}' : ']';
            blanks();
            if (at_ < text_.size() && text_[at_] == close) {
                ++at_;
                return;
            }
            for (;;) {
                if (c == '{') {
                    blanks();
                    check(next() == '"');
                    string();
                    blanks();
                    check(next() == ':');
                }
                value(depth + 1);
                blanks();
                const char after = next();
                if (after == close)
                    return;
                check(after == ',');
            }
        }
        if (c == '"') {
            ++at_;
            string();
        } else if (c == 'n') {
            expect("null");
        } else {
            number();
        }
    }
    void string() {
        for (;;) {
            const auto c = static_cast<unsigned char>(next());
            if (c == '"')
                return;
            check(c >= 0x20 && c != 0x7F);
            if (c == '\\') {
                const char escape = next();
                if (escape == 'u') {
                    for (int i = 0; i < 4; ++i)
                        check(std::isxdigit(static_cast<unsigned char>(next())) != 0);
                } else {
                    check(std::string_view("\"\\/bfnrt").find(escape) != std::string_view::npos);
                }
            } else if (c >= 0x80) {
                // Windows-1252 reaches only two- and three-byte sequences.
                const int continuation = c >= 0xE0 ? 2 : 1;
                check(c >= 0xC2 && c <= 0xEF);
                for (int i = 0; i < continuation; ++i)
                    check((static_cast<unsigned char>(next()) & 0xC0) == 0x80);
            }
        }
    }
    void number() {
        if (text_[at_] == '-')
            ++at_;
        check(at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_])) != 0);
        if (text_[at_] == '0')
            ++at_;
        else
            while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_])) != 0)
                ++at_;
        if (at_ < text_.size() && text_[at_] == '.') {
            ++at_;
            check(at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_])) != 0);
            while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_])) != 0)
                ++at_;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vendrix;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto fuzzed = fuzz::readFuzzedTable(input);
    const Season& season = fuzzed.season;
    StrictJson(parkjson::seasonJson(season)).document();

    const seasondiff::SeasonComparison same = seasondiff::compareSeasons(season, season);
    check(!same.foundDifferences() && same.matched == season.parkCount());

    const Season reversed = fuzz::readFuzzedTable(input, true).season;
    const seasondiff::SeasonComparison shuffled = seasondiff::compareSeasons(season, reversed);
    check(shuffled.added.empty() && shuffled.removed.empty() && shuffled.matched == season.parkCount());
    const seasondiff::ComparedSeason before{season, "old"};
    const seasondiff::ComparedSeason after{reversed, "new"};
    StrictJson(seasondiff::comparisonJson(shuffled, before, after)).document();
    seasondiff::comparisonText(shuffled, before, after);
    return 0;
}
