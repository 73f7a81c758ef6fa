#pragma once

// The entry point between the exporter and the diagram half of its Qt module (the module that also
// prints): park diagrams as SVG, one park at a time, and the PDF sheet of every park. Both sides
// are built together from this header.

#include "parktable/parktable.h"

#include <functional>
#include <string>
#include <string_view>

namespace vendrix::exporter {

struct DiagramRequest {
    const parktable::ParkTable* table = nullptr;
    std::string_view title; // the season's caption, Windows-1252
    // Called with each park's SVG, in table order; returning false stops the run.
    std::function<bool(int tableRow, std::string_view svg)> deliverSvg;
    bool renderSheet = false;
};

struct DiagramResult {
    std::string sheet; // the PDF sheet, when asked for and rendered
    std::string error; // why the diagrams could not be drawn; empty when they were
};

using DiagramEntry = void (*)(const DiagramRequest& request, DiagramResult& result);

// The name the module exports its diagram entry under; it changes whenever the structures above do.
inline constexpr const char* kDiagramEntryName = "vendrix_export_diagrams_v1";

} // namespace vendrix::exporter
