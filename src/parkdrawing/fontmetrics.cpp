#include "fontmetrics.h"

#include "season/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace vendrix::parkdrawing {

namespace {

struct ExtraAdvance {
    char32_t codePoint;
    std::uint16_t regular;
    std::uint16_t bold;
};

// Advances in font units (2048 to the em), read from LiberationSans-Regular.ttf and -Bold.ttf.
// U+0020..U+007E, then U+00A0..U+00FF: regular, bold.
constexpr std::array<std::uint16_t, 191> kRegular{{
    569,  569,  727,  1139, 1139, 1821, 1366, 391,  682,  682,  797,  1196, 569,  682,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 569,  569,  1196, 1196, 1196, 1139,
    2079, 1366, 1366, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1024, 1366, 1139, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 569,  569,  569,  961,  1139,
    682,  1139, 1139, 1024, 1139, 1139, 569,  1139, 1139, 455,  455,  1024, 455,  1706, 1139, 1139,
    1139, 1139, 682,  1024, 569,  1139, 1024, 1479, 1024, 1024, 1024, 684,  532,  684,  1196, 569,
    682,  1139, 1139, 1139, 1139, 532,  1139, 682,  1509, 758,  1139, 1196, 682,  1509, 1131, 819,
    1124, 682,  682,  682,  1180, 1100, 569,  682,  682,  748,  1139, 1708, 1708, 1708, 1251, 1366,
    1366, 1366, 1366, 1366, 1366, 2048, 1479, 1366, 1366, 1366, 1366, 569,  569,  569,  569,  1479,
    1479, 1593, 1593, 1593, 1593, 1593, 1196, 1593, 1479, 1479, 1479, 1479, 1366, 1366, 1251, 1139,
    1139, 1139, 1139, 1139, 1139, 1821, 1024, 1139, 1139, 1139, 1139, 569,  569,  569,  569,  1139,
    1139, 1139, 1139, 1139, 1139, 1139, 1124, 1251, 1139, 1139, 1139, 1139, 1024, 1139, 1024,
}};
constexpr std::array<std::uint16_t, 191> kBold{{
    569,  682,  971,  1139, 1139, 1821, 1479, 487,  682,  682,  797,  1196, 569,  682,  569,  569,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 1139, 682,  682,  1196, 1196, 1196, 1251,
    1997, 1479, 1479, 1479, 1479, 1366, 1251, 1593, 1479, 569,  1139, 1479, 1251, 1706, 1479, 1593,
    1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366, 1366, 1251, 682,  569,  682,  1196, 1139,
    682,  1139, 1251, 1139, 1251, 1139, 682,  1251, 1251, 569,  569,  1139, 569,  1821, 1251, 1251,
    1251, 1251, 797,  1139, 682,  1251, 1139, 1593, 1139, 1139, 1024, 797,  573,  797,  1196, 569,
    682,  1139, 1139, 1139, 1139, 573,  1139, 682,  1509, 758,  1139, 1196, 682,  1509, 1131, 819,
    1124, 682,  682,  682,  1180, 1139, 569,  682,  682,  748,  1139, 1708, 1708, 1708, 1251, 1479,
    1479, 1479, 1479, 1479, 1479, 2048, 1479, 1366, 1366, 1366, 1366, 569,  569,  569,  569,  1479,
    1479, 1593, 1593, 1593, 1593, 1593, 1196, 1593, 1479, 1479, 1479, 1479, 1366, 1366, 1251, 1139,
    1139, 1139, 1139, 1139, 1139, 1821, 1139, 1139, 1139, 1139, 1139, 569,  569,  569,  569,  1251,
    1251, 1251, 1251, 1251, 1251, 1251, 1124, 1251, 1251, 1251, 1251, 1251, 1139, 1251, 1139,
}};
// The rest of Windows-1252's letters and signs: code point, regular, bold.
constexpr std::array<ExtraAdvance, 27> kExtra{{
    {0x0152, 2048, 2048}, {0x0153, 1933, 1933}, {0x0160, 1366, 1366}, {0x0161, 1024, 1139},
    {0x0178, 1366, 1366}, {0x017D, 1251, 1251}, {0x017E, 1024, 1024}, {0x0192, 1139, 1139},
    {0x02C6, 682, 682},   {0x02DC, 682, 682},   {0x2013, 1139, 1139}, {0x2014, 2048, 2048},
    {0x2018, 455, 569},   {0x2019, 455, 569},   {0x201A, 455, 569},   {0x201C, 682, 1024},
    {0x201D, 682, 1024},  {0x201E, 682, 1024},  {0x2020, 1139, 1139}, {0x2021, 1139, 1139},
    {0x2022, 717, 717},   {0x2026, 2048, 2048}, {0x2030, 2048, 2048}, {0x2039, 682, 682},
    {0x203A, 682, 682},   {0x20AC, 1139, 1139}, {0x2122, 2048, 2048},
}};

constexpr double kUnitsPerEm = 2048.0;
constexpr std::uint16_t kAverageAdvance = 1139; // a lower-case letter or digit
constexpr std::string_view kEllipsis = "\u2026";

std::uint16_t advanceOf(char32_t code, bool bold) {
    if (code >= 0x20 && code <= 0x7E)
        return (bold ? kBold : kRegular)[code - 0x20];
    if (code >= 0xA0 && code <= 0xFF)
        return (bold ? kBold : kRegular)[code - 0xA0 + 0x5F];
    const auto found = std::lower_bound(kExtra.begin(), kExtra.end(), code,
                                        [](const ExtraAdvance& e, char32_t c) { return e.codePoint < c; });
    if (found != kExtra.end() && found->codePoint == code)
        return bold ? found->bold : found->regular;
    return kAverageAdvance;
}

} // namespace

double textWidth(std::string_view utf8, TextStyle style) {
    unsigned units = 0;
    for (std::size_t at = 0; at < utf8.size();)
        units += advanceOf(season::utf8::decode(utf8, at), style.bold);
    return units * style.size / kUnitsPerEm;
}

std::string elided(std::string_view utf8, TextStyle style, double width) {
    if (textWidth(utf8, style) <= width)
        return std::string(utf8);
    const double room = width - textWidth(kEllipsis, style);
    double used = 0.0;
    std::size_t end = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        used += advanceOf(season::utf8::decode(utf8, at), style.bold) * style.size / kUnitsPerEm;
        if (used > room)
            break;
        end = at;
    }
    std::string_view kept = utf8.substr(0, end);
    while (!kept.empty() && kept.back() == ' ')
        kept.remove_suffix(1);
    return std::string(kept) + std::string(kEllipsis);
}

std::vector<std::string> wrapped(std::string_view utf8, TextStyle style, double width, int maxLines) {
    std::vector<std::string> lines;
    std::string_view rest = utf8;
    while (!rest.empty() && static_cast<int>(lines.size()) < maxLines) {
        const bool last = static_cast<int>(lines.size()) + 1 == maxLines;
        // The longest run of whole words that fits; a first word that does not fit alone is cut.
        std::size_t end = rest.size();
        while (textWidth(rest.substr(0, end), style) > width) {
            const std::size_t space = rest.substr(0, end).find_last_of(' ');
            if (space == std::string_view::npos || space == 0)
                break;
            end = space;
        }
        if (last || textWidth(rest.substr(0, end), style) > width) {
            lines.push_back(elided(last ? rest : rest.substr(0, end), style, width));
        } else {
            lines.emplace_back(rest.substr(0, end));
        }
        rest.remove_prefix(std::min(end, rest.size()));
        while (!rest.empty() && rest.front() == ' ')
            rest.remove_prefix(1);
    }
    return lines;
}

} // namespace vendrix::parkdrawing
