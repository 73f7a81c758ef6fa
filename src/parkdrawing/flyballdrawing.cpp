#include "flyballdrawing.h"

#include "fontmetrics.h"
#include "heightscale.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace vendrix::parkdrawing {

namespace {

constexpr Colour kSideFrameColour{120, 120, 120};
constexpr Colour kSideGroundColour{214, 236, 200};
constexpr Colour kSideBackground{255, 255, 255};

std::string feet(double value) {
    return std::to_string(std::lround(value)) + " ft";
}

void label(Drawing& drawing, Point at, std::string words, double size, Anchor anchor, bool bold = false) {
    drawing.items.emplace_back(TextRun{at, std::move(words), size, bold, anchor, kTextColour});
}

} // namespace

void drawTrack(Drawing& drawing, Point home, double scale, const FlyBallPath& path, double textSize) {
    if (path.track.size() < 2)
        return;
    const auto at = [&](parkshape::PlanePoint p) {
        return Point{home.x + p.x * scale, home.y - p.y * scale};
    };
    Shape track{{}, false, std::nullopt, Stroke{kFlyBallColour, std::max(1.2, textSize * 0.22), false, true}};
    for (const parkshape::PlanePoint p : path.track)
        track.points.push_back(at(p));
    const Point end = track.points.back();
    drawing.items.emplace_back(std::move(track));
    if (path.landsInside)
        drawing.items.emplace_back(Marker{Marker::Kind::Cross, end, textSize * 0.45,
                                          std::max(1.2, textSize * 0.15), kFlyBallColour});
    else
        drawing.items.emplace_back(Marker{Marker::Kind::Dot, end, textSize * 0.3, 0.0, kFlyBallColour});
}

void drawSideView(Drawing& drawing, const Box& box, const FlyBallPath& path, double textSize) {
    if (path.side.size() < 2 || box.width < textSize * 6 || box.height < textSize * 4)
        return;
    const double t = textSize * 0.8;
    drawing.items.emplace_back(Shape{
        {{box.left, box.top}, {box.right(), box.top}, {box.right(), box.bottom()}, {box.left, box.bottom()}},
        true,
        kSideBackground,
        Stroke{kSideFrameColour, 0.6}});
    label(drawing, {box.left + t * 0.4, box.top + t * 1.2}, path.verdict, t, Anchor::Start, true);

    double farthest = 1.0;
    double highest = 1.0;
    for (const FlyBallPath::SidePoint& p : path.side) {
        farthest = std::max(farthest, p.reachFeet);
        highest = std::max(highest, p.heightFeet);
    }
    if (path.wall) {
        farthest = std::max(farthest, path.wall->reachFeet);
        highest = std::max(highest, path.wall->heightFeet);
    }
    const Box plot{box.left + t * 2.8, box.top + t * 2.0, box.width - t * 3.6, box.height - t * 3.4};
    const auto at = [&](double reach, double height) {
        return Point{plot.left + reach / (farthest * 1.04) * plot.width,
                     plot.bottom() - height / (highest * 1.08) * plot.height};
    };
    drawing.items.emplace_back(Shape{{{plot.left, plot.bottom()},
                                      {plot.right(), plot.bottom()},
                                      {plot.right(), plot.bottom() + t * 0.25},
                                      {plot.left, plot.bottom() + t * 0.25}},
                                     true,
                                     kSideGroundColour,
                                     std::nullopt});
    if (path.wall) {
        const Point foot = at(path.wall->reachFeet, 0.0);
        const Point top = at(path.wall->reachFeet, path.wall->heightFeet);
        drawing.items.emplace_back(
            Shape{{foot, top},
                  false,
                  std::nullopt,
                  Stroke{heightColour(path.wall->heightFeet), std::max(2.0, t * 0.45), false, false}});
        drawing.items.emplace_back(Shape{{foot, top}, false, std::nullopt, Stroke{kTextColour, 0.5}});
        // Under the ground, ending at the wall, which stands near the box's right edge; clear of the flight.
        label(drawing, {foot.x + t * 0.3, plot.bottom() + t * 1.25},
              "wall " + feet(path.wall->heightFeet) + " at " + feet(path.wall->reachFeet), t * 0.85,
              Anchor::End);
    }
    Shape flight{{}, false, std::nullopt, Stroke{kFlyBallColour, std::max(1.0, t * 0.2), false, true}};
    for (const FlyBallPath::SidePoint& p : path.side)
        flight.points.push_back(at(p.reachFeet, p.heightFeet));
    drawing.items.emplace_back(std::move(flight));
    label(drawing, {plot.left - t * 0.3, plot.top + t * 0.3}, feet(highest), t * 0.85, Anchor::End);
    label(drawing, {plot.left - t * 0.3, plot.bottom()}, "0", t * 0.85, Anchor::End);
}

} // namespace vendrix::parkdrawing
