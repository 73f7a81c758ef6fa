#pragma once

#include "parkdrawing/diagramcontent.h"
#include "parkshape/parkshape.h"
#include "parkshape/seasonshapes.h"
#include "parktable/parktable.h"

#include <QHash>
#include <QString>
#include <optional>

namespace vendrix::gui {

// A second park laid over the first in its own colour.
struct ComparedPark {
    QString name;
    parkshape::FenceMeasures measures;
};

// The outline each changed park had in another season, by the park's row in the table shown.
using PreviousOutlines = QHash<int, ComparedPark>;

// Everything one park's diagram shows, the same on screen, in SVG, PNG and PDF.
struct ParkDiagram {
    QString name;
    QString team;
    parkshape::FenceMeasures measures;
    std::optional<parkshape::FenceMeasures> average; // the league-average park, drawn faintly behind
    std::optional<ComparedPark> compared;
    double extentFeet = parkshape::kDefaultExtentFeet; // the season's common scale

    // The park of a table row, with the season's average and scale.
    static ParkDiagram ofRow(const parktable::ParkTable& table, int row,
                             const parkshape::SeasonShapes& season);
    // The same in the drawing's terms (UTF-8 texts).
    parkdrawing::DiagramContent content() const;
    // The park name of a row for display: trimmed, "(no name)" when blank.
    static QString nameOfRow(const parktable::ParkTable& table, int row);
};

} // namespace vendrix::gui
