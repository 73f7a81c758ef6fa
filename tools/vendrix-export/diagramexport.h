#pragma once

#include "model/season.h"

#include <optional>
#include <string>
#include <string_view>

namespace vendrix::exporter {

enum class DiagramFormat { Svg, Png };

struct DiagramTargets {
    std::optional<std::string> folder; // --diagrams: one file per park
    DiagramFormat format = DiagramFormat::Svg;
    std::optional<std::string> sheetFile; // --diagram-sheet: the PDF of every park
};

enum class DiagramOutcome { Written, Failed, Interrupted };

// Draws the asked-for diagrams of the season's parks and writes them: SVG files here, without Qt, PNG files
// and the sheet through the Qt module. Messages and, on a terminal, progress go to standard error.
DiagramOutcome exportDiagrams(const DiagramTargets& targets, const model::Season& season);

} // namespace vendrix::exporter
