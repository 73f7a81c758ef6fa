#include "parkdiagrampainter.h"

#include "parkshape/fenceangles.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace vendrix::gui {

namespace {

using parkshape::FencePoint;
using parkshape::ParkShape;
using parkshape::PlanePoint;

constexpr int kPiecesPerInterval = 5;  // a chord of 3 degrees strays under 0.3 ft from the curve
constexpr double kTallWallFeet = 40.0; // the legend's top: taller walls take its warmest colour
const QColor kFairColour(214, 236, 200);
const QColor kInfieldColour(222, 190, 150);
const QColor kLineColour(90, 90, 90);
const QColor kAverageColour(150, 150, 150);
const QColor kUndrawableColour(200, 30, 30);
const QColor kTextColour(30, 30, 30);

QFont fontOf(double pixels, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setBold(bold);
    return font;
}

// Feet on the field to the painter's coordinates: home plate at `home`, centre field up.
struct FieldMap {
    QPointF home;
    double scale = 1.0; // device units per foot

    QPointF at(PlanePoint p) const { return {home.x() + p.x * scale, home.y() - p.y * scale}; }
    QPointF onRay(double degrees, double feet) const { return at(ParkShape::onRay(degrees, feet)); }

    // The field of `extent` feet fitted into `box`, room left around it for the labels; home plate
    // stands near the bottom, so nothing but labels is above centre field.
    static FieldMap fitted(const QRectF& box, double extent, double labelRoom) {
        const double behindHome = 15.0; // feet shown behind home plate
        const double scale =
            std::max(0.0, std::min((box.width() - 2 * labelRoom) / (extent * std::numbers::sqrt2),
                                   (box.height() - 1.3 * labelRoom) / (extent + behindHome)));
        return {QPointF(box.center().x(), box.bottom() - 0.3 * labelRoom - behindHome * scale), scale};
    }
};

QPolygonF wallPolygon(const FieldMap& map, const ParkShape& shape) {
    QPolygonF polygon;
    for (const PlanePoint p : shape.wall(kPiecesPerInterval))
        polygon << map.at(p);
    return polygon;
}

void paintGround(QPainter& painter, const FieldMap& map, const ParkShape& shape, double extent) {
    painter.setPen(Qt::NoPen);
    if (shape.isDrawable()) {
        QPolygonF fair = wallPolygon(map, shape);
        fair.prepend(map.home);
        painter.setBrush(kFairColour);
        painter.drawPolygon(fair);
    }
    // The infield diamond: home, first, second, third base, 90 feet apart.
    const double base = parkshape::kBaseDistanceFeet;
    const QPolygonF diamond{map.home, map.onRay(45, base), map.onRay(0, base * std::numbers::sqrt2),
                            map.onRay(-45, base)};
    painter.setBrush(kInfieldColour);
    painter.drawPolygon(diamond);
    painter.setBrush(Qt::white);
    const double bag = std::max(1.5, 3.0 * map.scale);
    for (const QPointF corner : diamond)
        painter.drawRect(QRectF(corner.x() - bag / 2, corner.y() - bag / 2, bag, bag));
    // The foul lines run out to the wall at the lines, or to the edge of the scale.
    painter.setPen(QPen(kLineColour, std::max(0.6, 0.8 * map.scale)));
    const auto& points = shape.points();
    for (const FencePoint& point : {points.front(), points.back()})
        painter.drawLine(map.home, point.drawable ? map.at(point.at) : map.onRay(point.degrees, extent));
}

void paintOutline(QPainter& painter, const FieldMap& map, const ParkShape& shape, const QPen& pen) {
    if (!shape.isDrawable())
        return;
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(wallPolygon(map, shape));
}

// The wall in pieces, each in the colour of its height; neighbouring pieces of one colour (heights
// in steps of two feet, finer than the eye tells on the legend's scale) are drawn as one line, which
// keeps an SVG of the park small.
void paintWall(QPainter& painter, const FieldMap& map, const ParkShape& shape, double width) {
    if (!shape.isDrawable())
        return;
    const auto wall = shape.wall(kPiecesPerInterval);
    const int pieces = static_cast<int>(wall.size()) - 1;
    QPen pen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QPolygonF run{map.at(wall[0])};
    for (int k = 0; k < pieces; ++k) {
        auto feetAt = [&](int piece) {
            return 2 * std::round(shape.heightAt(-parkshape::kFoulLineDegrees +
                                                 2 * parkshape::kFoulLineDegrees * (piece + 0.5) / pieces) /
                                  2);
        };
        run << map.at(wall[k + 1]);
        if (k + 1 == pieces || feetAt(k + 1) != feetAt(k)) {
            pen.setColor(ParkDiagramPainter::heightColour(feetAt(k)));
            painter.setPen(pen);
            painter.drawPolyline(run);
            run = QPolygonF{run.back()};
        }
    }
}

// Each distance at its point, outside the wall; a point that cannot be drawn gets a red cross on its
// ray at the edge of the scale and its measure in red. Marks first, then texts: fewer changes of pen
// keep an SVG small.
void paintDistances(QPainter& painter, const FieldMap& map, const ParkShape& shape, double extent,
                    double textSize) {
    const auto& points = shape.points();
    auto placeOf = [&](const FencePoint& point) {
        return map.onRay(point.degrees, point.drawable ? point.distance : extent);
    };
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTextColour);
    for (const FencePoint& point : points)
        if (point.drawable)
            painter.drawEllipse(placeOf(point), textSize * 0.18, textSize * 0.18);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kUndrawableColour, std::max(1.0, textSize * 0.12)));
    const double arm = textSize * 0.4;
    for (const FencePoint& point : points) {
        if (point.drawable)
            continue;
        const QPointF at = placeOf(point);
        painter.drawLine(at + QPointF(-arm, -arm), at + QPointF(arm, arm));
        painter.drawLine(at + QPointF(-arm, arm), at + QPointF(arm, -arm));
    }
    painter.setFont(fontOf(textSize));
    const QFontMetricsF metrics(painter.font());
    for (bool drawable : {true, false}) {
        painter.setPen(drawable ? kTextColour : kUndrawableColour);
        for (std::size_t i = 0; i < points.size(); ++i) {
            const FencePoint& point = points[i];
            if (point.drawable != drawable)
                continue;
            const QPointF at = placeOf(point);
            const QPointF outward = at - map.home;
            const double length = std::hypot(outward.x(), outward.y());
            const QPointF direction = length > 0 ? outward / length : QPointF(0, -1);
            const QString text = drawable ? QString::number(point.distance)
                                          : QStringLiteral("%1 %2?")
                                                .arg(QString::fromLatin1(parkshape::kFencePointNames[i]))
                                                .arg(point.distance);
            const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
            const QPointF centre =
                at + direction * (textSize * 0.5 + size.width() / 2 * std::abs(direction.x()) +
                                  size.height() / 2 * std::abs(direction.y()));
            painter.drawText(QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size),
                             Qt::AlignCenter, text);
        }
    }
}

void paintField(QPainter& painter, const QRectF& box, const ParkDiagram& diagram, double textSize) {
    const double extent = std::max(1.0, diagram.extentFeet);
    const FieldMap map = FieldMap::fitted(box, extent, textSize * 3.2);
    const ParkShape shape(diagram.measures);
    paintGround(painter, map, shape, extent);
    if (diagram.average)
        paintOutline(painter, map, ParkShape(*diagram.average),
                     QPen(kAverageColour, std::max(0.5, textSize * 0.1), Qt::DashLine));
    if (diagram.compared)
        paintOutline(painter, map, ParkShape(diagram.compared->measures),
                     QPen(ParkDiagramPainter::kComparedColour, std::max(1.0, textSize * 0.2)));
    paintWall(painter, map, shape, std::max(1.0, textSize * 0.35));
    paintDistances(painter, map, shape, extent, textSize);
}

QString areaText(const ParkShape& shape) {
    const auto area = shape.fairAreaSquareFeet();
    if (!area)
        return QStringLiteral("Fair area: none (distances must be 1 to 999 ft)");
    return QStringLiteral("Fair area: %1 sq ft").arg(QLocale(QLocale::English).toString(std::llround(*area)));
}

// Colour bar for the wall heights, and the names of the parks laid over each other.
void paintLegend(QPainter& painter, const QRectF& box, const ParkDiagram& diagram, double textSize) {
    painter.setFont(fontOf(textSize * 0.85));
    painter.setPen(kTextColour);
    const double lineHeight = textSize * 1.2;
    double y = box.top();
    painter.drawText(QRectF(box.left(), y, box.width(), lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Wall height (ft)"));
    y += lineHeight;
    QLinearGradient gradient(box.left(), 0, box.right(), 0);
    for (double f = 0; f <= 1.0; f += 0.25)
        gradient.setColorAt(f, ParkDiagramPainter::heightColour(f * kTallWallFeet));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawRect(QRectF(box.left(), y, box.width(), textSize * 0.6));
    painter.setBrush(
        Qt::NoBrush); // a gradient left as the brush would be written again with every later item
    y += textSize * 0.6;
    painter.setPen(kTextColour);
    const QRectF numbers(box.left(), y, box.width(), lineHeight);
    painter.drawText(numbers, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("0"));
    painter.drawText(numbers, Qt::AlignHCenter | Qt::AlignVCenter, QString::number(kTallWallFeet / 2));
    painter.drawText(numbers, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1+").arg(kTallWallFeet));
    y += lineHeight * 1.3;
    auto entry = [&](const QPen& pen, const QString& name) {
        painter.setPen(pen);
        painter.drawLine(QPointF(box.left(), y + lineHeight / 2),
                         QPointF(box.left() + textSize * 1.6, y + lineHeight / 2));
        painter.setPen(kTextColour);
        const QRectF text(box.left() + textSize * 2, y, box.width() - textSize * 2, lineHeight);
        painter.drawText(
            text, Qt::AlignLeft | Qt::AlignVCenter,
            painter.fontMetrics().elidedText(name, Qt::ElideRight, static_cast<int>(text.width())));
        y += lineHeight;
    };
    if (diagram.compared) {
        entry(QPen(ParkDiagramPainter::heightColour(12), textSize * 0.35), diagram.name);
        entry(QPen(ParkDiagramPainter::kComparedColour, textSize * 0.2), diagram.compared->name);
    }
    if (diagram.average)
        entry(QPen(kAverageColour, std::max(0.5, textSize * 0.1), Qt::DashLine),
              QStringLiteral("League average"));
}

// The wall's height from the left-field line to the right-field line.
void paintHeightStrip(QPainter& painter, const QRectF& box, const ParkShape& shape, double textSize) {
    const auto& points = shape.points();
    int tallest = 0;
    for (const FencePoint& point : points)
        tallest = std::max(tallest, point.height);
    const double top = std::max(static_cast<double>(tallest), kTallWallFeet);
    painter.setFont(fontOf(textSize * 0.85));
    const QRectF plot(box.left() + textSize * 3, box.top() + textSize * 0.3, box.width() - textSize * 6,
                      box.height() - textSize * 1.6);
    painter.setPen(QPen(kLineColour, 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    auto xOf = [&](int i) {
        return plot.left() + plot.width() * i / (parkshape::kFencePointCount - 1);
    };
    QPolygonF area;
    area << QPointF(plot.left(), plot.bottom());
    QLinearGradient gradient(plot.left(), 0, plot.right(), 0);
    for (int i = 0; i < parkshape::kFencePointCount; ++i) {
        area << QPointF(xOf(i), plot.bottom() - plot.height() * points[i].height / top);
        gradient.setColorAt(static_cast<double>(i) / (parkshape::kFencePointCount - 1),
                            ParkDiagramPainter::heightColour(points[i].height));
    }
    area << QPointF(plot.right(), plot.bottom());
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawPolygon(area);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(kTextColour);
    for (int i = 0; i < parkshape::kFencePointCount; ++i) {
        const QRectF label(xOf(i) - textSize * 2, plot.bottom(), textSize * 4, textSize * 1.2);
        painter.drawText(label, Qt::AlignCenter,
                         QStringLiteral("%1 %2")
                             .arg(QString::fromLatin1(parkshape::kFencePointNames[i]))
                             .arg(points[i].height));
    }
    painter.drawText(QRectF(box.left(), plot.top(), textSize * 2.8, textSize), Qt::AlignRight | Qt::AlignTop,
                     QString::number(top));
    painter.drawText(QRectF(box.left(), plot.bottom() - textSize, textSize * 2.8, textSize),
                     Qt::AlignRight | Qt::AlignBottom, QStringLiteral("0 ft"));
}

} // namespace

QColor ParkDiagramPainter::heightColour(double feet) {
    const double t = std::clamp(feet / kTallWallFeet, 0.0, 1.0);
    const QColor low(40, 110, 190), middle(235, 160, 20), high(185, 25, 25);
    auto mix = [](const QColor& a, const QColor& b, double f) {
        return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * f),
                                static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * f),
                                static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * f));
    };
    return t < 0.5 ? mix(low, middle, t * 2) : mix(middle, high, t * 2 - 1);
}

void ParkDiagramPainter::paint(QPainter& painter, const QRectF& area, const ParkDiagram& diagram,
                               Detail detail) {
    if (area.width() < 4 || area.height() < 4)
        return;
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    if (detail == Detail::SheetCell) {
        const double textSize = std::max(4.0, std::min(area.width(), area.height()) / 24);
        const QRectF nameBox(area.left(), area.bottom() - textSize * 1.6, area.width(), textSize * 1.6);
        paintField(painter, QRectF(area.topLeft(), QPointF(area.right(), nameBox.top())), diagram,
                   textSize * 0.8);
        painter.setFont(fontOf(textSize, true));
        painter.setPen(kTextColour);
        painter.drawText(
            nameBox, Qt::AlignCenter,
            painter.fontMetrics().elidedText(diagram.name, Qt::ElideRight, static_cast<int>(area.width())));
        painter.restore();
        return;
    }
    const double textSize = std::max(5.0, std::min(area.width(), area.height() * 1.1) / 50);
    const ParkShape shape(diagram.measures);
    // Name, team and fair area above.
    const QRectF titleBox(area.left() + textSize, area.top() + textSize * 0.5, area.width() - 2 * textSize,
                          textSize * 1.8);
    painter.setFont(fontOf(textSize * 1.5, true));
    painter.setPen(kTextColour);
    painter.drawText(
        titleBox, Qt::AlignLeft | Qt::AlignVCenter,
        painter.fontMetrics().elidedText(diagram.name, Qt::ElideRight, static_cast<int>(titleBox.width())));
    const QRectF infoBox(titleBox.left(), titleBox.bottom(), titleBox.width(), textSize * 1.4);
    painter.setFont(fontOf(textSize));
    const QString team = diagram.team.isEmpty() ? QStringLiteral("no team") : diagram.team;
    painter.drawText(infoBox, Qt::AlignLeft | Qt::AlignVCenter,
                     team + QStringLiteral("  \u00b7  ") + areaText(shape));
    // The height strip below, the field between.
    const double stripHeight = std::max(textSize * 5, area.height() * 0.14);
    const QRectF stripBox(area.left(), area.bottom() - stripHeight - textSize * 0.3, area.width(),
                          stripHeight);
    const QRectF fieldBox(area.left(), infoBox.bottom(), area.width(), stripBox.top() - infoBox.bottom());
    paintField(painter, fieldBox, diagram, textSize);
    paintHeightStrip(painter, stripBox, shape, textSize);
    const double legendWidth = std::min(area.width() * 0.3, textSize * 14);
    paintLegend(painter,
                QRectF(area.right() - legendWidth - textSize, infoBox.bottom() + textSize * 0.3, legendWidth,
                       textSize * 8),
                diagram, textSize);
    painter.restore();
}

} // namespace vendrix::gui
