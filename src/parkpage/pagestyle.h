#pragma once

#include <string>
#include <string_view>

namespace vendrix::parkpage {

// The page's one inline stylesheet: the table, the factor colours (a class per strength: "b7" for a
// factor 7 below 100, "a7" for one 7 above), the marks of a comparison, the diagram cards, a long
// table drawn in slices, and the printed form (landscape, no find box, both caption rows on every
// page, the League average once at the end, six diagrams to a page).
std::string pageStyle();

// The class of a factor's tint; empty for 100.
std::string_view factorClass(int factor);

} // namespace vendrix::parkpage
