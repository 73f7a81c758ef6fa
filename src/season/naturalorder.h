#pragma once

#include <string_view>

namespace vendrix::season {

// The order in which people expect names: runs of digits compare as numbers ("Park 2" before
// "Park 10"), letters without regard to case, and accented Windows-1252 letters beside their plain
// ones ("Éclair" with the e's). Names that are equal so far are told apart by their bytes (capitals
// and plain letters first), so the order is total and a sort of it is the same on every run.
// Texts are the season files' bytes; give trimmed ones when blanks at the ends should not count.
// Negative, 0 or positive as a stands before, with or after b.
int compareNatural(std::string_view a, std::string_view b);

// compareNatural as a comparison for std::sort and the like.
struct NaturalLess {
    bool operator()(std::string_view a, std::string_view b) const { return compareNatural(a, b) < 0; }
};

} // namespace vendrix::season
