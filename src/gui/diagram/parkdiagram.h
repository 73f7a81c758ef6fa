#pragma once

#include "parkdrawing/diagramcontent.h"
#include "parktable/parktable.h"

#include <QHash>
#include <QString>

namespace vendrix::gui {

// Everything one park's diagram shows: the park drawing's own content (UTF-8 texts), the same on
// screen, in SVG, PNG and PDF.
using ParkDiagram = parkdrawing::DiagramContent;
// A second park laid over the first in its own colour.
using ComparedPark = parkdrawing::OutlineOverlay;
// The outline each changed park had in another season, by the park's row in the table shown.
using PreviousOutlines = QHash<int, ComparedPark>;

// The park name of a row for display: trimmed, "(no name)" when blank.
QString parkNameOfRow(const parktable::ParkTable& table, int row);

} // namespace vendrix::gui
