#pragma once

#include "season.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How a park and its team are named to a reader, by one rule in every output: the name trimmed, a
// park without a name "(no name)", and a name that stands more than once in its season told apart
// by which of them it is ("Timberline Park (2 of 2)").
namespace vendrix::model {

inline constexpr std::string_view kNoName = "(no name)";

// A text without the blanks at both ends.
std::string_view trimBlanks(std::string_view text);

// A team name as the exports give it: blanks at both ends gone, each inner run of blanks made one;
// nothing when that leaves nothing.
std::optional<std::string> normalisedTeam(std::string_view team);

// The key parks are matched and counted as namesakes by: the name with Windows-1252 letters in
// lower case.
std::string nameKey(std::string_view name);

// Which of the parks of one name a park is: the 2nd of 2.
struct Namesake {
    int occurrence = 1;
    int namesakes = 1;
};

// The park's name for a reader, as UTF-8: without blanks, tabs and line ends at both ends, "(no
// name)" when nothing is left.
std::string shownName(const Park& park);
// The shown name, with which of its namesakes the park is when its name stands more than once.
std::string parkLabel(const Park& park, Namesake namesake);

// The namesakes of every park of a season.
class Namesakes {
public:
    explicit Namesakes(const Season& season);
    Namesake of(const Park& park) const { return places_[static_cast<std::size_t>(park.row() - 1)]; }
    std::string label(const Park& park) const { return parkLabel(park, of(park)); }

private:
    std::vector<Namesake> places_;
};

} // namespace vendrix::model
