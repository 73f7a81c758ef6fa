#pragma once

#include "parkdiagram.h"
#include "parkdrawing/drawing.h"
#include "parkdrawing/parkdrawing.h"

#include <QRectF>

class QPainter;

namespace vendrix::gui {

// The one drawing of a park (laid out by parkdrawing::ParkDrawing) on a QPainter, for the window's
// panel and every PNG and PDF; the SVG files write the same drawing. Everything is drawn inside
// `area`, laid out for `layoutSize` (the area's own size unless given: a PNG at twice the panel's
// pixels is the panel's picture, sharper).
class ParkDiagramPainter {
public:
    using Detail = parkdrawing::DrawingOptions::Detail;

    static parkdrawing::Drawing drawingOf(const ParkDiagram& diagram, QSizeF size, Detail detail,
                                          bool showAverage = true);
    static void paint(QPainter& painter, const QRectF& area, const ParkDiagram& diagram, Detail detail,
                      bool showAverage = true, QSizeF layoutSize = {});
};

} // namespace vendrix::gui
