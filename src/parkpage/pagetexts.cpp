#include "pagetexts.h"

#include "parkjson/parkvalues.h"
#include "season/windows1252.h"
#include "parktable/parkcolumns.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace vendrix::parkpage {

namespace col = parktable::col;

namespace {

constexpr std::array<std::string_view, 7> kFencePoints{
    "the left-field line", "left field",  "left-center field",   "center field",
    "right-center field",  "right field", "the right-field line"};
constexpr std::array<std::string_view, 4> kHits{"single", "double", "triple", "home-run"};
constexpr std::array<std::string_view, 8> kAttributes{"the park's roof: a dome, open air or both",
                                                      "the playing surface: grass or artificial turf",
                                                      "how much foul ground the park has",
                                                      "the park's time zone",
                                                      "how strongly the wind blows",
                                                      "the average temperature at game time",
                                                      "how much the temperature changes during a game",
                                                      "how often rain falls"};

std::string caption(int column) {
    return std::string(
        parkjson::trimBlanks(parktable::kParkColumns[static_cast<std::size_t>(column)].caption));
}

std::string_view at(const auto& texts, int index) {
    return texts[static_cast<std::size_t>(index)];
}

bool isControl(char32_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0);
}

void appendEscaped(std::string& out, char32_t c) {
    switch (c) {
    case '&':
        out += "&amp;";
        return;
    case '<':
        out += "&lt;";
        return;
    case '>':
        out += "&gt;";
        return;
    case '"':
        out += "&quot;";
        return;
    case '\'':
        out += "&#39;";
        return;
    default:
        break;
    }
    season::windows1252::appendUtf8(out, isControl(c) ? char32_t{0xFFFD} : c);
}

} // namespace

std::string columnMeaning(int column) {
    if (column < 0 || column > col::lastCaptioned)
        return {};
    const std::string name = caption(column);
    if (column == col::parkName)
        return "Park Name: the ballpark's name";
    if (column == col::teamName)
        return "Team Name: the team that plays in the park this season";
    if (column == col::year)
        return "Year: the season";
    if (column < col::firstFenceHeight)
        return name + ": distance to the fence at " +
               std::string(at(kFencePoints, column - col::firstFenceDistance)) + ", feet";
    if (column < col::firstFactorLHB)
        return name + ": height of the fence at " +
               std::string(at(kFencePoints, column - col::firstFenceHeight)) + ", feet";
    if (column < col::firstAttribute) {
        const bool left = column < col::firstFactorRHB;
        const int hit = column - (left ? col::firstFactorLHB : col::firstFactorRHB);
        return name + " (Factors " + (left ? "LHB" : "RHB") + "): " + std::string(at(kHits, hit)) +
               " park factor for " + (left ? "left" : "right") + "-handed batters, 100 = neutral";
    }
    return name + ": " + std::string(at(kAttributes, column - col::firstAttribute));
}

std::string columnShortName(int column) {
    if (column < 0 || column > col::lastCaptioned)
        return {};
    const std::string name = caption(column);
    if (column < col::firstFenceDistance || column >= col::firstAttribute)
        return name;
    if (column < col::firstFenceHeight)
        return name + ", distance";
    if (column < col::firstFactorLHB)
        return name + ", height";
    return name + (column < col::firstFactorRHB ? ", LHB" : ", RHB");
}

std::string columnKey(int column) {
    if (column == col::parkName)
        return "park";
    if (column == col::teamName)
        return "team";
    if (column == col::year)
        return "year";
    for (const parkjson::ParkValueKey& key : parkjson::parkValueKeys())
        if (key.column == column)
            return key.group.empty() ? std::string(key.member)
                                     : std::string(key.group) + "." + std::string(key.member);
    return {};
}

int factorTintAlpha(int factor) {
    constexpr int kStrongestAlpha = 150;
    const int distance = std::abs(factor - 100);
    if (distance == 0)
        return 0;
    const double strength = std::min(1.0, static_cast<double>(distance) / kFactorTintSpan);
    // Even one point off neutral shows a trace of the hue.
    return std::max(12, static_cast<int>(std::lround(strength * kStrongestAlpha)));
}

std::string displayText(std::string_view cell) {
    std::string text;
    text.reserve(cell.size());
    for (char c : cell) {
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
        if (c == ' ' && (text.empty() || text.back() == ' '))
            continue;
        text.push_back(c);
    }
    if (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

void appendHtml(std::string& out, std::string_view windows1252) {
    for (const char byte : windows1252)
        appendEscaped(out, season::windows1252::toUnicode(static_cast<unsigned char>(byte)));
}

void appendHtmlUtf8(std::string& out, std::string_view utf8) {
    for (const char byte : utf8) {
        const auto b = static_cast<unsigned char>(byte);
        if (b >= 0x80)
            out.push_back(byte); // multi-byte sequences pass whole; only ASCII needs escaping
        else
            appendEscaped(out, b);
    }
}

} // namespace vendrix::parkpage
