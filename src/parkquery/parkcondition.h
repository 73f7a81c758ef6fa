#pragma once

#include "model/park.h"

#include <string>
#include <string_view>
#include <variant>

namespace vendrix::parkquery {

// One condition on a park, written with the column catalogue's keys (the JSON export's names):
// "surface=Grass", "factors_lhb.hr>=105", "team!=", "park<M". KEY is "row", "park", "team", "year", a group's member
// with a dot ("fence_distance.cf") or one of the eight words ("surface"); the operator one of
// = != < <= > >=. Numbers compare as numbers; texts
// compare as the JSON shows them (the park trimmed, the team with its blanks made one, no team as an
// empty text), without regard to case, and in natural order for < and > ("Park 2" < "Park 10"); a
// text with a character Windows-1252 lacks equals no park's, so only != holds for it.
// Shared by the exporter's --where and any view that keeps some parks by their values.
class ParkCondition {
public:
    enum class Operator { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual };
    // The park's number (1 for the first park row) rather than a table column.
    static constexpr int kRowNumber = -1;

    // A condition from its text (UTF-8), or the message saying what is wrong with it.
    static std::variant<ParkCondition, std::string> parse(std::string_view text);
    // A condition on a number column (or "row") of the catalogue directly.
    static ParkCondition number(int column, Operator op, double value);
    // A condition on the park, the team or a word column directly; the text is UTF-8.
    static ParkCondition text(int column, Operator op, std::string_view utf8);

    bool holdsFor(const model::Park& park) const;

    int column() const { return column_; }
    Operator op() const { return op_; }
    const std::string& text() const { return text_; }

    // Every KEY a condition may name, in the JSON export's order, joined by ", ".
    static std::string knownKeys();

private:
    bool compares(int order) const;

    int column_ = kRowNumber;
    Operator op_ = Operator::Equal;
    bool numeric_ = true;
    double number_ = 0;
    std::string word_;         // Windows-1252 bytes, as the table holds texts
    std::string foldedWord_;   // the same in small letters
    bool wordWritable_ = true; // false when the value holds characters Windows-1252 lacks
    std::string text_;         // as written, for messages
};

} // namespace vendrix::parkquery
