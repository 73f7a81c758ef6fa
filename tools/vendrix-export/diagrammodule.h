#pragma once

// The entry point between the exporter and the diagram half of its Qt module (the module that also
// prints): park diagrams as PNG, one park at a time, and the PDF sheet of every park. SVG diagrams need
// no Qt and are written by the exporter itself. Both sides are built together from this header.

#include "model/season.h"

#include <functional>
#include <string>
#include <string_view>

namespace vendrix::exporter {

struct DiagramRequest {
    const model::Season* season = nullptr;
    std::string_view title; // the season's caption, Windows-1252
    // Called once Qt is started, with a function that draws the PNG of the park of a row (from 1),
    // safe to call from any thread until writePngs returns; its result is the run's. Left empty when
    // no PNGs are asked for.
    std::function<bool(const std::function<std::string(int row)>& pngOf)> writePngs;
    bool renderSheet = false;
    // Asked between the sheet's parks; false stops the sheet, which is then not delivered.
    std::function<bool(int parksDone, int parks)> sheetProgress;
};

struct DiagramResult {
    std::string sheet; // the PDF sheet, when asked for and rendered
    std::string error; // why the diagrams could not be drawn; empty when they were
};

using DiagramEntry = void (*)(const DiagramRequest& request, DiagramResult& result);

// The name the module exports its diagram entry under; it changes whenever the structures above do.
inline constexpr const char* kDiagramEntryName = "vendrix_export_diagrams_v3";

} // namespace vendrix::exporter
