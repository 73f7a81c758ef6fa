#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The one catalogue of the park table's 35 columns: everything a view or an output needs to know of a
// column (its captions as shown, its names in words, its JSON key, its kind and unit, how it is aligned
// and how wide it is designed, which of its values can be real, whether it is averaged and how it is
// tinted). Every caption, name and key of a column is written here and nowhere else.
namespace vendrix::model {

enum class ColumnKind {
    Text,   // the park's and the team's names: the season files' bytes
    Number, // the year, the fence distances and heights, the park factors
    Word,   // one of the eight attribute words
    Blank,  // the two columns the table carries empty
    View    // a column a view adds after the table's own (viewcolumns.h); no output writes it
};

// How the display aligns a column's park cells.
enum class ColumnAlignment { NotSet, Centred, RightTop };

// Which of a number column's values can be real; the wording of a value that cannot.
enum class RealRange {
    Any,      // every value (the year)
    Distance, // a fence distance of 1 to 999 ft
    Wall,     // a wall of at most 100 ft
    Factor    // a park factor above 0
};

// How a column's cells are tinted.
enum class ColumnTint { None, Factor };

struct Column {
    int index;
    ColumnKind kind;
    std::string_view groupCaption; // the table's first caption row, as shown
    std::string_view caption;      // the second caption row, as shown, blanks included
    std::string_view shortName;    // in tooltips, chips and the comparison: "HR, LHB"
    std::string_view longName;     // what a screen reader says of the column: "HR, left-handed batters"
    std::string_view description;  // what the column holds: "home-run park factor for left-handed ..."
    std::string_view key;          // the JSON's and the page address's: "factors_lhb.hr"
    std::string_view unit;         // "ft", or empty
    ColumnAlignment alignment;
    int widthTwips; // the design width; 0 leaves it to the display
    RealRange range;
    bool averaged; // the League average row holds a mean
    ColumnTint tint;

    bool isNumber() const { return kind == ColumnKind::Number; }
    bool isText() const { return kind == ColumnKind::Text || kind == ColumnKind::Word; }
    // The key's group and member: "factors_lhb" and "hr"; no group for a key without a dot.
    std::string_view keyGroup() const;
    std::string_view keyMember() const;
    // The caption without its blanks: "LF", "Park Name".
    std::string_view trimmedCaption() const;
    // The caption's tooltip: "CF: distance to the fence at center field, feet",
    // "HR (Factors LHB): home-run park factor for left-handed batters, 100 = neutral".
    std::string meaning() const;
    // Whether a value of this column can be real.
    bool canBeReal(int value) const;
    // Why a value cannot be real, for a tooltip ("A fence distance of 1200 ft is outside 1 to 999
    // ft"); empty when it can.
    std::string whyNotReal(int value) const;
};

inline constexpr int kColumnCount = 35;

// Column numbers that the code names.
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

// The 35 columns in table order.
const std::array<Column, kColumnCount>& columns();
// The column of an index: the table's 35, then the view's (viewcolumns.h).
const Column& column(int index);
// The column of a key ("surface", "fence_distance.cf"); nothing for a key no column has.
const Column* columnOfKey(std::string_view key);

// The values a fence distance and a wall can have and be real: the park diagrams draw the same range.
inline constexpr int kShortestFence = 1;
inline constexpr int kLongestFence = 999;
inline constexpr int kHighestWall = 100;

} // namespace vendrix::model
