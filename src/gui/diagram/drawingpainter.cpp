#include "drawingpainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace vendrix::gui {

namespace {

using namespace parkdrawing;

// Text is set at this pixel size and scaled to the run's, since a QFont's pixel size is a whole
// number and the drawing's sizes are not.
constexpr double kFontPixels = 256.0;

QColor colourOf(Colour colour) {
    return {colour.red, colour.green, colour.blue};
}

// As the SVG writer writes a stroke: square-cut butt ends and mitred corners unless round; dashes of
// four widths and gaps of two.
QPen penOf(const Stroke& stroke) {
    QPen pen(colourOf(stroke.colour), stroke.width);
    pen.setCapStyle(stroke.roundEnds ? Qt::RoundCap : Qt::FlatCap);
    pen.setJoinStyle(stroke.roundEnds ? Qt::RoundJoin : Qt::MiterJoin);
    if (stroke.dashed)
        pen.setDashPattern({4.0, 2.0});
    return pen;
}

QFont fontAt256(bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(kFontPixels));
    font.setBold(bold);
    return font;
}

// One pair per thread: PNG files are drawn on several at once, and a QFont is reentrant only.
const QFont& fontOf(bool bold) {
    thread_local const QFont regular = fontAt256(false);
    thread_local const QFont heavy = fontAt256(true);
    return bold ? heavy : regular;
}

void paintShape(QPainter& painter, const Shape& shape) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(shape.points.size()));
    for (const Point p : shape.points)
        polygon << QPointF(p.x, p.y);
    if (shape.fill) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colourOf(*shape.fill));
        painter.drawPolygon(polygon);
    }
    if (shape.stroke) {
        painter.setPen(penOf(*shape.stroke));
        painter.setBrush(Qt::NoBrush);
        if (shape.closed)
            painter.drawPolygon(polygon);
        else
            painter.drawPolyline(polygon);
    }
}

void paintMarker(QPainter& painter, const Marker& marker) {
    const QPointF at(marker.at.x, marker.at.y);
    if (marker.kind == Marker::Kind::Dot) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colourOf(marker.colour));
        painter.drawEllipse(at, marker.size, marker.size);
        return;
    }
    painter.setPen(penOf(Stroke{marker.colour, marker.lineWidth}));
    const double arm = marker.size;
    painter.drawLine(at + QPointF(-arm, -arm), at + QPointF(arm, arm));
    painter.drawLine(at + QPointF(-arm, arm), at + QPointF(arm, -arm));
}

void paintText(QPainter& painter, const TextRun& run) {
    const QFont& font = fontOf(run.bold);
    const QString text = QString::fromUtf8(run.text.data(), static_cast<qsizetype>(run.text.size()));
    double offset = 0.0;
    if (run.anchor != Anchor::Start) {
        const double width = QFontMetricsF(font).horizontalAdvance(text);
        offset = run.anchor == Anchor::Middle ? width / 2 : width;
    }
    painter.save();
    painter.translate(run.at.x, run.at.y);
    painter.scale(run.size / kFontPixels, run.size / kFontPixels);
    painter.setFont(font);
    painter.setPen(colourOf(run.colour));
    painter.drawText(QPointF(-offset, 0), text);
    painter.restore();
}

} // namespace

void DrawingPainter::paint(QPainter& painter, const Drawing& drawing, const QRectF& area) {
    if (drawing.width <= 0 || drawing.height <= 0 || area.isEmpty())
        return;
    painter.save();
    painter.setClipRect(area);
    painter.translate(area.topLeft());
    painter.scale(area.width() / drawing.width, area.height() / drawing.height);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(0, 0, drawing.width, drawing.height), colourOf(drawing.background));
    for (const Primitive& item : drawing.items) {
        if (const auto* shape = std::get_if<Shape>(&item))
            paintShape(painter, *shape);
        else if (const auto* marker = std::get_if<Marker>(&item))
            paintMarker(painter, *marker);
        else
            paintText(painter, std::get<TextRun>(item));
    }
    painter.restore();
}

} // namespace vendrix::gui
