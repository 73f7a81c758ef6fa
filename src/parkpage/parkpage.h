#pragma once

#include "model/season.h"
#include "seasondiff/changenotes.h"

#include <functional>
#include <string>

namespace vendrix::parkpage {

// A park's diagram as an inline SVG element (no XML declaration, no namespace), by the park's row
// (from 1); empty when the park has none.
using DiagramSource = std::function<std::string(int row)>;

// Above this many parks the page holds the table only: the cards would make it too large to open.
inline constexpr int kMostDiagramCards = 200;

// Above this many parks the table's markup stands in <noscript>, which a browser with script keeps
// as text, and the page's script draws only the rows in view: a browser lays out a table of
// thousands of rows for minutes.
inline constexpr int kMostParksDrawnWhole = kMostDiagramCards;

// What one page shows: the season's table, optionally the changes since another season as the
// window marks them, and optionally each park's diagram in a card under the table.
struct ParkPageContent {
    const model::Season& season;
    const seasondiff::ChangeNotes* changes = nullptr; // none: a single season
    DiagramSource diagrams;                           // none: no cards
};

// The season as one self-contained UTF-8 HTML5 page for a league's web site: it asks for nothing
// outside itself, its Content-Security-Policy allows only its own inline script and style (by
// their SHA-256), and every season text in it is escaped. Ends with a line feed.
std::string parkPage(const ParkPageContent& content);

// The page of a season with every park's diagram.
std::string seasonPage(const model::Season& season);
// The page of the shown season compared with another, as the window shows it: the changes marked
// in the table and told above it, each changed park's old outline behind its diagram.
std::string comparedPage(const model::Season& other, const model::Season& shown);

} // namespace vendrix::parkpage
