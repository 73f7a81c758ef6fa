#include "parknames.h"

#include "season/letterfold.h"
#include "season/windows1252.h"

#include <unordered_map>

namespace vendrix::model {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<std::string> normalisedTeam(std::string_view team) {
    const std::string_view trimmed = trimBlanks(team);
    if (trimmed.empty())
        return std::nullopt;
    std::string normalised;
    normalised.reserve(trimmed.size());
    for (const char c : trimmed)
        if (c != ' ' || normalised.back() != ' ')
            normalised.push_back(c);
    return normalised;
}

std::string nameKey(std::string_view name) {
    std::string key;
    key.reserve(name.size());
    for (const char c : trimBlanks(name))
        key.push_back(season::lowerWindows1252(c));
    return key;
}

std::string shownName(const Park& park) {
    constexpr std::string_view kBlanks(" \t\r\n\0", 5);
    const std::string_view name = park.name();
    const std::size_t first = name.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return std::string(kNoName);
    const std::size_t last = name.find_last_not_of(kBlanks);
    return season::windows1252::toUtf8(name.substr(first, last - first + 1));
}

std::string parkLabel(const Park& park, Namesake namesake) {
    std::string label = shownName(park);
    if (namesake.namesakes > 1)
        label +=
            " (" + std::to_string(namesake.occurrence) + " of " + std::to_string(namesake.namesakes) + ")";
    return label;
}

Namesakes::Namesakes(const Season& season) : places_(static_cast<std::size_t>(season.parkCount())) {
    std::unordered_map<std::string, std::vector<std::size_t>> byKey;
    for (const Park& park : season.parks())
        byKey[nameKey(park.name())].push_back(static_cast<std::size_t>(park.row() - 1));
    for (const auto& [key, rows] : byKey)
        for (std::size_t i = 0; i < rows.size(); ++i)
            places_[rows[i]] = {static_cast<int>(i) + 1, static_cast<int>(rows.size())};
}

} // namespace vendrix::model
