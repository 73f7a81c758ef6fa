#include "parkcondition.h"

#include "model/columns.h"
#include "model/parknames.h"
#include "season/letterfold.h"
#include "season/naturalorder.h"
#include "season/windows1252.h"

#include <array>
#include <charconv>
#include <optional>
#include <utility>

namespace vendrix::parkquery {

namespace {

namespace col = model::col;
using Operator = ParkCondition::Operator;

constexpr std::string_view kRowKey = "row";

std::optional<int> columnOfKey(std::string_view key) {
    if (key == kRowKey)
        return ParkCondition::kRowNumber;
    if (const model::Column* column = model::columnOfKey(key))
        return column->index;
    return std::nullopt;
}

bool isNumberColumn(int column) {
    return column == ParkCondition::kRowNumber || model::column(column).isNumber();
}

// The operators by their spelling, the two-character ones first so that "<=" is not read as "<".
constexpr std::array<std::pair<std::string_view, Operator>, 6> kOperators{{
    {"<=", Operator::LessOrEqual},
    {">=", Operator::GreaterOrEqual},
    {"!=", Operator::NotEqual},
    {"<", Operator::Less},
    {">", Operator::Greater},
    {"=", Operator::Equal},
}};

std::string folded(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = season::lowerWindows1252(c);
    return lower;
}

// The text of a park's value as the JSON shows it, in Windows-1252 bytes.
std::string shownText(const model::Park& park, int column) {
    if (column == col::teamName)
        return model::normalisedTeam(park.team()).value_or(std::string());
    return std::string(model::trimBlanks(park.text(column)));
}

} // namespace

std::variant<ParkCondition, std::string> ParkCondition::parse(std::string_view text) {
    const std::size_t at = text.find_first_of("<>=!");
    const std::string quoted = "\"" + std::string(text) + "\"";
    if (at == std::string_view::npos || at == 0)
        return quoted + " is not a condition: write KEY=VALUE, or KEY with !=, <, <=, >, >= and a value";
    const std::string_view key = model::trimBlanks(text.substr(0, at));
    std::optional<std::pair<std::string_view, Operator>> spelled;
    for (const auto& candidate : kOperators)
        if (text.substr(at).starts_with(candidate.first)) {
            spelled = candidate;
            break;
        }
    if (!spelled)
        return quoted + " is not a condition: " + std::string(1, text[at]) + " alone is no operator";
    const std::optional<int> column = columnOfKey(key);
    if (!column)
        return "unknown key \"" + std::string(key) + "\" in " + quoted + "; the keys are " + knownKeys();
    const std::string_view value = model::trimBlanks(text.substr(at + spelled->first.size()));
    ParkCondition condition;
    if (isNumberColumn(*column)) {
        // The user's number, read from what they wrote.
        double number = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
        if (value.empty() || error != std::errc() || end != value.data() + value.size())
            return std::string(key) + " needs a number in " + quoted;
        condition = ParkCondition::number(*column, spelled->second, number);
    } else {
        condition = ParkCondition::text(*column, spelled->second, value);
    }
    condition.text_ = std::string(text);
    return condition;
}

ParkCondition ParkCondition::number(int column, Operator op, double value) {
    ParkCondition condition;
    condition.column_ = column;
    condition.op_ = op;
    condition.numeric_ = true;
    condition.number_ = value;
    return condition;
}

ParkCondition ParkCondition::text(int column, Operator op, std::string_view utf8) {
    ParkCondition condition;
    condition.column_ = column;
    condition.op_ = op;
    condition.numeric_ = false;
    condition.text_ = std::string(utf8);
    // A value with a character the code page lacks matches no text of a season.
    const std::optional<std::string> bytes = season::windows1252::fromUtf8(utf8);
    condition.wordWritable_ = bytes.has_value();
    condition.word_ = bytes.value_or(std::string());
    condition.foldedWord_ = folded(condition.word_);
    return condition;
}

bool ParkCondition::compares(int order) const {
    switch (op_) {
    case Operator::Equal:
        return order == 0;
    case Operator::NotEqual:
        return order != 0;
    case Operator::Less:
        return order < 0;
    case Operator::LessOrEqual:
        return order <= 0;
    case Operator::Greater:
        return order > 0;
    case Operator::GreaterOrEqual:
        return order >= 0;
    }
    return false;
}

bool ParkCondition::holdsFor(const model::Park& park) const {
    if (numeric_) {
        const double value = column_ == kRowNumber ? park.row() : *park.number(column_);
        return compares(value < number_ ? -1 : value > number_ ? 1 : 0);
    }
    if (!wordWritable_)
        return op_ == Operator::NotEqual;
    const std::string shown = shownText(park, column_);
    if (folded(shown) == foldedWord_)
        return compares(0);
    return compares(season::compareNatural(shown, word_));
}

std::string ParkCondition::knownKeys() {
    std::string keys(kRowKey);
    for (const model::Column& column : model::columns())
        if (!column.key.empty())
            keys += ", " + std::string(column.key);
    return keys;
}

} // namespace vendrix::parkquery
