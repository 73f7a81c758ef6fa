#include "parkcondition.h"

#include "parkvalues.h"
#include "season/letterfold.h"
#include "season/naturalorder.h"
#include "season/windows1252.h"

#include <array>
#include <charconv>
#include <optional>
#include <utility>

namespace vendrix::parkjson {

namespace {

namespace col = parktable::col;
using Operator = ParkCondition::Operator;

struct KeyedColumn {
    std::string key;
    int column;
};

const std::vector<KeyedColumn>& keyedColumns() {
    static const std::vector<KeyedColumn> columns = [] {
        std::vector<KeyedColumn> all{{"row", ParkCondition::kRowNumber},
                                     {"park", col::parkName},
                                     {"team", col::teamName},
                                     {"year", col::year}};
        for (const ParkValueKey& key : parkValueKeys())
            all.push_back({key.group.empty() ? std::string(key.member)
                                             : std::string(key.group) + "." + std::string(key.member),
                           key.column});
        return all;
    }();
    return columns;
}

std::optional<int> columnOfKey(std::string_view key) {
    for (const KeyedColumn& keyed : keyedColumns())
        if (keyed.key == key)
            return keyed.column;
    return std::nullopt;
}

bool isNumberColumn(int column) {
    return column == ParkCondition::kRowNumber || (column >= col::year && column < col::firstAttribute);
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
std::string shownText(const parktable::ParkTable& table, int row, int column) {
    const std::string_view cell = table.cell(row, column);
    if (column == col::teamName)
        return normalisedTeam(cell).value_or(std::string());
    return std::string(trimBlanks(cell));
}

} // namespace

std::variant<ParkCondition, std::string> ParkCondition::parse(std::string_view text) {
    const std::size_t at = text.find_first_of("<>=!");
    const std::string quoted = "\"" + std::string(text) + "\"";
    if (at == std::string_view::npos || at == 0)
        return quoted + " is not a condition: write KEY=VALUE, or KEY with !=, <, <=, >, >= and a value";
    const std::string_view key = trimBlanks(text.substr(0, at));
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
    const std::string_view value = trimBlanks(text.substr(at + spelled->first.size()));
    auto condition = on(*column, spelled->second, value);
    if (auto* made = std::get_if<ParkCondition>(&condition))
        made->text_ = std::string(text);
    else
        return std::string(key) + " needs a number in " + quoted;
    return condition;
}

std::variant<ParkCondition, std::string> ParkCondition::on(int column, Operator op, std::string_view value) {
    ParkCondition condition;
    condition.column_ = column;
    condition.op_ = op;
    condition.numeric_ = isNumberColumn(column);
    condition.text_ = std::string(value);
    if (condition.numeric_) {
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), condition.number_);
        if (value.empty() || error != std::errc() || end != value.data() + value.size())
            return "not a number: " + std::string(value);
    } else {
        // A value with a character the code page lacks matches no text of a season.
        const std::optional<std::string> bytes = season::windows1252::fromUtf8(value);
        condition.wordWritable_ = bytes.has_value();
        condition.word_ = bytes.value_or(std::string());
        condition.foldedWord_ = folded(condition.word_);
    }
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

bool ParkCondition::holdsFor(const parktable::ParkTable& table, int row) const {
    if (numeric_) {
        double value = row - parktable::kCaptionRowCount + 1;
        if (column_ != kRowNumber) {
            const std::optional<int> number = cellNumber(table.cell(row, column_));
            if (!number)
                return false;
            value = *number;
        }
        return compares(value < number_ ? -1 : value > number_ ? 1 : 0);
    }
    if (!wordWritable_)
        return op_ == Operator::NotEqual;
    const std::string shown = shownText(table, row, column_);
    if (folded(shown) == foldedWord_)
        return compares(0);
    return compares(season::compareNatural(shown, word_));
}

std::string ParkCondition::knownKeys() {
    std::string keys;
    for (const KeyedColumn& keyed : keyedColumns())
        keys += (keys.empty() ? "" : ", ") + keyed.key;
    return keys;
}

} // namespace vendrix::parkjson
