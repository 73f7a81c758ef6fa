#include "fielddrawing.h"

#include "flyballdrawing.h"
#include "fontmetrics.h"
#include "heightscale.h"
#include "parkshape/fenceangles.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vendrix::parkdrawing {

namespace {

using parkshape::FencePoint;
using parkshape::ParkShape;
using parkshape::PlanePoint;

constexpr int kPiecesPerInterval = 5; // a chord of 3 degrees strays under 0.3 ft from the curve
constexpr double kBehindHomeFeet = 15.0;
constexpr Colour kFairColour{214, 236, 200};
constexpr Colour kInfieldColour{222, 190, 150};
constexpr Colour kWhite{255, 255, 255};

// Feet on the field to drawing units: home plate at `home`, centre field up.
struct FieldMap {
    Point home;
    double scale = 1.0; // drawing units per foot

    Point at(PlanePoint p) const { return {home.x + p.x * scale, home.y - p.y * scale}; }
    Point onRay(double degrees, double feet) const { return at(ParkShape::onRay(degrees, feet)); }

    // The field of `extent` feet fitted into `box`, room left around it for the labels; home plate
    // stands near the bottom, so nothing but labels is above centre field.
    static FieldMap fitted(const Box& box, double extent, double labelRoom) {
        const double scale =
            std::max(0.0, std::min((box.width - 2 * labelRoom) / (extent * std::numbers::sqrt2),
                                   (box.height - 1.3 * labelRoom) / (extent + kBehindHomeFeet)));
        return {{box.left + box.width / 2, box.bottom() - 0.3 * labelRoom - kBehindHomeFeet * scale}, scale};
    }
};

std::vector<Point> wallPoints(const FieldMap& map, const ParkShape& shape) {
    std::vector<Point> points;
    for (const PlanePoint p : shape.wall(kPiecesPerInterval))
        points.push_back(map.at(p));
    return points;
}

void line(Drawing& drawing, Point from, Point to, const Stroke& stroke) {
    drawing.items.emplace_back(Shape{{from, to}, false, std::nullopt, stroke});
}

void drawGround(Drawing& drawing, const FieldMap& map, const ParkShape& shape, double extent) {
    if (shape.isDrawable()) {
        std::vector<Point> fair = wallPoints(map, shape);
        fair.insert(fair.begin(), map.home);
        drawing.items.emplace_back(Shape{std::move(fair), true, kFairColour, std::nullopt});
    }
    // The infield diamond: home, first, second, third base, 90 feet apart.
    const double base = parkshape::kBaseDistanceFeet;
    const std::vector<Point> diamond{map.home, map.onRay(45, base), map.onRay(0, base * std::numbers::sqrt2),
                                     map.onRay(-45, base)};
    drawing.items.emplace_back(Shape{diamond, true, kInfieldColour, std::nullopt});
    const double bag = std::max(1.5, 3.0 * map.scale) / 2;
    for (const Point corner : diamond)
        drawing.items.emplace_back(Shape{{{corner.x - bag, corner.y - bag},
                                          {corner.x + bag, corner.y - bag},
                                          {corner.x + bag, corner.y + bag},
                                          {corner.x - bag, corner.y + bag}},
                                         true,
                                         kWhite,
                                         std::nullopt});
    // The foul lines run out to the wall at the lines, or to the edge of the scale.
    const Stroke foul{kLineColour, std::max(0.6, 0.8 * map.scale)};
    const auto& points = shape.points();
    for (const FencePoint& point : {points.front(), points.back()})
        line(drawing, map.home, point.drawable ? map.at(point.at) : map.onRay(point.degrees, extent), foul);
}

void drawOutline(Drawing& drawing, const FieldMap& map, const ParkShape& shape, const Stroke& stroke) {
    if (shape.isDrawable())
        drawing.items.emplace_back(Shape{wallPoints(map, shape), false, std::nullopt, stroke});
}

// The wall in runs of one colour (heights in steps of two feet), over a dark casing that keeps the
// light colours of tall walls visible on white.
void drawWall(Drawing& drawing, const FieldMap& map, const ParkShape& shape, double textSize) {
    if (!shape.isDrawable())
        return;
    const std::vector<Point> wall = wallPoints(map, shape);
    const Stroke casing{kWallCasingColour, wallStroke(textSize, 0).width + 1.2, false, true};
    drawing.items.emplace_back(Shape{wall, false, std::nullopt, casing});
    const int pieces = static_cast<int>(wall.size()) - 1;
    auto feetAt = [&](int piece) {
        return steppedHeight(shape.heightAt(-parkshape::kFoulLineDegrees +
                                            2 * parkshape::kFoulLineDegrees * (piece + 0.5) / pieces));
    };
    std::vector<Point> run{wall[0]};
    for (int k = 0; k < pieces; ++k) {
        run.push_back(wall[static_cast<std::size_t>(k) + 1]);
        if (k + 1 == pieces || feetAt(k + 1) != feetAt(k)) {
            drawing.items.emplace_back(Shape{run, false, std::nullopt, wallStroke(textSize, feetAt(k))});
            run = {run.back()};
        }
    }
}

// Each distance at its point, outside the wall; a point that cannot be drawn gets a red cross on its
// ray at the edge of the scale and its measure in red.
void drawDistances(Drawing& drawing, const FieldMap& map, const ParkShape& shape, double extent,
                   double textSize) {
    const auto& points = shape.points();
    const TextStyle style{textSize};
    for (std::size_t i = 0; i < points.size(); ++i) {
        const FencePoint& point = points[i];
        const Point at = map.onRay(point.degrees, point.drawable ? point.distance : extent);
        if (point.drawable)
            drawing.items.emplace_back(Marker{Marker::Kind::Dot, at, textSize * 0.18, 0.0, kTextColour});
        else
            drawing.items.emplace_back(Marker{Marker::Kind::Cross, at, textSize * 0.4,
                                              std::max(1.0, textSize * 0.12), kUndrawableColour});
        std::string text = std::to_string(point.distance);
        if (!point.drawable)
            text = std::string(parkshape::fencePointName(static_cast<int>(i))) + " " + text + "?";
        // Outwards along the ray, far enough that the text's box clears the point.
        const double dx = at.x - map.home.x;
        const double dy = at.y - map.home.y;
        const double length = std::hypot(dx, dy);
        const Point direction = length > 0 ? Point{dx / length, dy / length} : Point{0, -1};
        const double width = textWidth(text, style);
        const double height = (kAscent + kDescent) * textSize;
        const double reach =
            textSize * 0.5 + width / 2 * std::abs(direction.x) + height / 2 * std::abs(direction.y);
        const Point centre{at.x + direction.x * reach, at.y + direction.y * reach};
        drawing.items.emplace_back(TextRun{{centre.x, baselineCentredOn(centre.y, textSize)},
                                           std::move(text),
                                           textSize,
                                           false,
                                           Anchor::Middle,
                                           point.drawable ? kTextColour : kUndrawableColour});
    }
}

} // namespace

Stroke averageStroke(double textSize) {
    return {kAverageColour, std::max(0.5, textSize * 0.1), true};
}

Stroke comparedStroke(double textSize) {
    return {kComparedColour, std::max(1.0, textSize * 0.2)};
}

Stroke wallStroke(double textSize, double feet) {
    return {heightColour(feet), std::max(1.0, textSize * 0.35), false, true};
}

void drawField(Drawing& drawing, const Box& box, const DiagramContent& content, double textSize,
               bool showAverage) {
    // The season's scale, unless a park drawn here reaches beyond it (an outline of another season).
    double extent = std::max(1.0, content.extentFeet);
    for (const auto* measures : {&content.measures, content.compared ? &content.compared->measures : nullptr})
        for (const int feet : measures ? measures->distance : std::array<int, parkshape::kFencePointCount>{})
            if (feet <= parkshape::kLongestDistance)
                extent = std::max(extent, static_cast<double>(feet));
    const FieldMap map = FieldMap::fitted(box, extent, textSize * 3.2);
    const ParkShape shape(content.measures);
    drawGround(drawing, map, shape, extent);
    if (showAverage && content.average)
        drawOutline(drawing, map, ParkShape(*content.average), averageStroke(textSize));
    if (content.compared)
        drawOutline(drawing, map, ParkShape(content.compared->measures), comparedStroke(textSize));
    drawWall(drawing, map, shape, textSize);
    drawDistances(drawing, map, shape, extent, textSize);
    if (content.flyBall)
        drawTrack(drawing, map.home, map.scale, *content.flyBall, textSize);
}

} // namespace vendrix::parkdrawing
