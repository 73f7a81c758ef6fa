#include "columntexts.h"

#include "parkcolumns.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace vendrix::parktable {

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
    std::string_view text = kParkColumns[static_cast<std::size_t>(column)].caption;
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return std::string(text);
}

std::string_view at(const auto& texts, int index) {
    return texts[static_cast<std::size_t>(index)];
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

int factorTintAlpha(int factor) {
    constexpr int kStrongestAlpha = 150;
    const int distance = std::abs(factor - 100);
    if (distance == 0)
        return 0;
    const double strength = std::min(1.0, static_cast<double>(distance) / kFactorTintSpan);
    // Even one point off neutral shows a trace of the hue.
    return std::max(12, static_cast<int>(std::lround(strength * kStrongestAlpha)));
}

} // namespace vendrix::parktable
