#pragma once

#include <array>
#include <string_view>

namespace vendrix::parktable {

// How the display aligns a column's park cells.
enum class ColumnAlignment { NotSet, Centred, RightTop };

struct ParkColumn {
    std::string_view groupCaption; // row 0
    std::string_view caption;      // row 1
    int widthTwips;                // 0: not set, the display's default
    ColumnAlignment alignment;
};

inline constexpr int kParkColumnCount = 35;
inline constexpr int kGroupCaptionRow = 0;
inline constexpr int kColumnCaptionRow = 1;
inline constexpr int kFirstParkRow = 2;
inline constexpr int kCaptionRowCount = 2;

// Column numbers that the build and the reports name.
namespace col {
inline constexpr int parkName = 0;
inline constexpr int teamName = 1;
inline constexpr int year = 2;
inline constexpr int firstFenceDistance = 3;
inline constexpr int firstFenceHeight = 10;
inline constexpr int firstFactorLHB = 17;
inline constexpr int firstFactorRHB = 21;
inline constexpr int firstAttribute = 25;
inline constexpr int lastCaptioned = 32;
} // namespace col

namespace detail {
inline constexpr std::string_view kDistance = "Fence Distance";
inline constexpr std::string_view kHeight = "Fence Height";
inline constexpr std::string_view kLHB = "Factors LHB";
inline constexpr std::string_view kRHB = "Factors RHB";
constexpr ColumnAlignment R = ColumnAlignment::RightTop;
constexpr ColumnAlignment C = ColumnAlignment::Centred;
constexpr ColumnAlignment N = ColumnAlignment::NotSet;
} // namespace detail

// The park table's columns: captions exactly as shown, blanks included.
inline constexpr std::array<ParkColumn, kParkColumnCount> kParkColumns{{
    {"", " Park Name ", 2000, detail::N},
    {"", " Team Name  ", 2000, detail::N},
    {"", "Year", 900, detail::C},
    {detail::kDistance, "LFL", 450, detail::R},
    {detail::kDistance, "LF ", 450, detail::R},
    {detail::kDistance, "LCF", 450, detail::R},
    {detail::kDistance, "CF", 450, detail::R},
    {detail::kDistance, "RCF", 450, detail::R},
    {detail::kDistance, "RF", 450, detail::R},
    {detail::kDistance, "RFL", 450, detail::R},
    {detail::kHeight, "LFL", 450, detail::R},
    {detail::kHeight, "LF ", 450, detail::R},
    {detail::kHeight, "LCF", 450, detail::R},
    {detail::kHeight, "CF", 450, detail::R},
    {detail::kHeight, "RCF", 450, detail::R},
    {detail::kHeight, "RF", 450, detail::R},
    {detail::kHeight, "RFL", 450, detail::R},
    {detail::kLHB, "1B", 450, detail::R},
    {detail::kLHB, "2B", 450, detail::R},
    {detail::kLHB, "3B", 450, detail::R},
    {detail::kLHB, "HR", 450, detail::R},
    {detail::kRHB, "1B", 450, detail::R},
    {detail::kRHB, "2B", 450, detail::R},
    {detail::kRHB, "3B", 450, detail::R},
    {detail::kRHB, "HR", 450, detail::R},
    {"", "Type", 800, detail::C},
    {"", "Surface", 800, detail::C},
    {"", "FoulGrnd", 800, detail::C},
    {"", "TimeZone", 800, detail::C},
    {"", "Wind Spd", 800, detail::C},
    {"", "Avg Temp", 900, detail::C},
    {"", "Temp Chg", 800, detail::C},
    {"", "Rain Freq", 800, detail::C},
    {"", "", 0, detail::N},
    {"", "", 0, detail::N},
}};

} // namespace vendrix::parktable
