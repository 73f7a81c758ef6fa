#pragma once

#include "parkdrawing/drawing.h"

#include <QRectF>

class QPainter;

namespace vendrix::gui {

// Replays a park drawing's primitives on a QPainter: the window's panel, PNG files and the PDF sheet
// show exactly what the SVG writer writes. The drawing is scaled to fill `area` (a drawing made at
// the panel's size and replayed into twice the pixels gives the same picture, sharper).
class DrawingPainter {
public:
    static void paint(QPainter& painter, const parkdrawing::Drawing& drawing, const QRectF& area);
};

} // namespace vendrix::gui
