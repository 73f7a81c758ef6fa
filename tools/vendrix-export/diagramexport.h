#pragma once

#include "parktable/parktable.h"

#include <optional>
#include <string>
#include <string_view>

namespace vendrix::exporter {

struct DiagramTargets {
    std::optional<std::string> folder;    // --diagrams: one SVG per park
    std::optional<std::string> sheetFile; // --diagram-sheet: the PDF of every park
};

// Draws the asked-for diagrams of the table through the Qt module and writes them. Messages go to
// standard error; true when everything asked for was written.
bool exportDiagrams(const DiagramTargets& targets, const parktable::ParkTable& table, std::string_view title);

} // namespace vendrix::exporter
