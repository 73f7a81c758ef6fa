#pragma once

#include "parkdrawing/diagramcontent.h"

#include <QHash>
#include <QString>

namespace vendrix::gui {

// Everything one park's diagram shows: the park drawing's own content (UTF-8 texts), the same on
// screen, in SVG, PNG and PDF.
using ParkDiagram = parkdrawing::DiagramContent;
// A second park laid over the first in its own colour.
using ComparedPark = parkdrawing::OutlineOverlay;
// The outline each changed park had in another season, by the park's row (from 1) in the season shown.
using PreviousOutlines = QHash<int, ComparedPark>;

} // namespace vendrix::gui
