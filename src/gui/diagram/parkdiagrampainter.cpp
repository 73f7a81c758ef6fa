#include "parkdiagrampainter.h"

#include "drawingpainter.h"

namespace vendrix::gui {

parkdrawing::Drawing ParkDiagramPainter::drawingOf(const ParkDiagram& diagram, QSizeF size, Detail detail,
                                                   bool showAverage) {
    return parkdrawing::ParkDrawing::draw(diagram,
                                          {detail, size.width(), size.height(), showAverage});
}

void ParkDiagramPainter::paint(QPainter& painter, const QRectF& area, const ParkDiagram& diagram,
                               Detail detail, bool showAverage, QSizeF layoutSize) {
    DrawingPainter::paint(
        painter, drawingOf(diagram, layoutSize.isEmpty() ? area.size() : layoutSize, detail, showAverage),
        area);
}

} // namespace vendrix::gui
