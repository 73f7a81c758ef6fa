#include "parkvalues.h"

namespace vendrix::parkjson {

std::string_view memberKey(const NumberGroup& group, int column) {
    const auto index = static_cast<std::size_t>(column - group.firstColumn);
    return group.size == 7 ? kFencePointKeys[index] : kFactorKeys[index];
}

std::array<ParkValueKey, 30> parkValueKeys() {
    std::array<ParkValueKey, 30> keys{};
    std::size_t next = 0;
    for (const NumberGroup& group : kNumberGroups)
        for (int column = group.firstColumn; column < group.firstColumn + group.size; ++column)
            keys[next++] = {column, group.name, memberKey(group, column), ValueKind::Number};
    for (std::size_t i = 0; i < kWordKeys.size(); ++i)
        keys[next++] = {parktable::col::firstAttribute + static_cast<int>(i), "", kWordKeys[i],
                        ValueKind::Word};
    return keys;
}

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<std::string> normalisedTeam(std::string_view teamCell) {
    const std::string_view trimmed = trimBlanks(teamCell);
    if (trimmed.empty())
        return std::nullopt;
    std::string team;
    team.reserve(trimmed.size());
    for (const char c : trimmed)
        if (c != ' ' || team.back() != ' ')
            team.push_back(c);
    return team;
}

std::optional<int> cellNumber(std::string_view cell) {
    // By hand rather than from_chars: a season has a million number cells, all short.
    const bool negative = !cell.empty() && cell.front() == '-';
    const std::string_view digits = cell.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

} // namespace vendrix::parkjson
