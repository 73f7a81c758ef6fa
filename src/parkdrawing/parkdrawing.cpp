#include "parkdrawing.h"

#include "fielddrawing.h"
#include "flyballdrawing.h"
#include "fontmetrics.h"
#include "heightscale.h"
#include "model/columns.h"
#include "parkshape/fenceangles.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace vendrix::parkdrawing {

namespace {

using parkshape::ParkShape;

constexpr Colour kStripFrameColour{90, 90, 90};
constexpr int kStripStepsPerInterval = 6;

void text(Drawing& drawing, Point at, std::string words, TextStyle style, Anchor anchor = Anchor::Start) {
    drawing.items.emplace_back(TextRun{at, std::move(words), style.size, style.bold, anchor, kTextColour});
}

void line(Drawing& drawing, Point from, Point to, const Stroke& stroke) {
    drawing.items.emplace_back(Shape{{from, to}, false, std::nullopt, stroke});
}

Shape rectangle(const Box& box, Colour fill) {
    return {
        {{box.left, box.top}, {box.right(), box.top}, {box.right(), box.bottom()}, {box.left, box.bottom()}},
        true,
        fill,
        std::nullopt};
}

std::string grouped(long long value) {
    std::string digits = std::to_string(value);
    for (int i = static_cast<int>(digits.size()) - 3; i > (digits.front() == '-' ? 1 : 0); i -= 3)
        digits.insert(static_cast<std::size_t>(i), ",");
    return digits;
}

// The wall-height colours in their steps along `bar`, with round heights marked under it.
void drawHeightScale(Drawing& drawing, const Box& bar, double textSize) {
    auto xOf = [&](double feet) {
        return bar.left + bar.width * feet / kTallWallFeet;
    };
    const double half = kHeightStepFeet / 2;
    for (double feet = 0; feet <= kTallWallFeet; feet += kHeightStepFeet) {
        // Each step reaches half a unit under the next, so no seam of the background shows between.
        const double from = xOf(std::max(0.0, feet - half));
        const double to = feet + half < kTallWallFeet ? xOf(feet + half) + 0.5 : bar.right();
        drawing.items.emplace_back(rectangle({from, bar.top, to - from, bar.height}, heightColour(feet)));
    }
    const TextStyle style{textSize};
    const double baseline = bar.bottom() + kAscent * textSize + textSize * 0.15;
    for (const int tick : kHeightTicks) {
        const double x = xOf(tick);
        line(drawing, {x, bar.bottom()}, {x, bar.bottom() + textSize * 0.2}, {kStripFrameColour, 0.5});
        const bool first = tick == kHeightTicks.front();
        const bool last = tick == kHeightTicks.back();
        text(drawing, {x, baseline}, std::to_string(tick) + (last ? "+" : ""), style,
             first  ? Anchor::Start
             : last ? Anchor::End
                    : Anchor::Middle);
    }
}

// Wall heights, and the names of the outlines laid over each other; a long name wraps.
void drawLegend(Drawing& drawing, const Box& box, const DiagramContent& content, double textSize,
                bool showAverage) {
    const TextStyle style{textSize * 0.85};
    const double lineHeight = textSize * 1.2;
    double y = box.top;
    text(drawing, {box.left, baselineCentredOn(y + lineHeight / 2, style.size)}, "Wall height (ft)", style);
    y += lineHeight;
    drawHeightScale(drawing, {box.left, y, box.width, textSize * 0.6}, style.size);
    y += textSize * 0.6 + lineHeight * 1.4;
    const double textLeft = box.left + textSize * 2;
    auto entry = [&](const Stroke& stroke, const std::string& name) {
        line(drawing, {box.left, y + lineHeight / 2}, {box.left + textSize * 1.6, y + lineHeight / 2},
             stroke);
        for (std::string& words : wrapped(name, style, box.right() - textLeft, 3)) {
            text(drawing, {textLeft, baselineCentredOn(y + lineHeight / 2, style.size)}, std::move(words),
                 style);
            y += lineHeight;
        }
    };
    if (content.compared) {
        entry(wallStroke(textSize, 12), content.name);
        entry(comparedStroke(textSize), content.compared->name);
    }
    if (showAverage && content.average)
        entry(averageStroke(textSize), content.averageName);
}

// The wall's height from the left-field line to the right-field line, filled in its colours.
void drawHeightStrip(Drawing& drawing, const Box& box, const ParkShape& shape, double textSize) {
    const auto& points = shape.points();
    // A wall that cannot be real (200 ft) is drawn cut at the top and marked doubtful, rather than
    // stretching the scale until every other wall looks flat.
    const auto doubtful = [&](int i) {
        return !model::column(model::col::firstFenceHeight + i)
                    .canBeReal(points[static_cast<std::size_t>(i)].height);
    };
    int tallest = 0;
    for (int i = 0; i < parkshape::kFencePointCount; ++i)
        if (!doubtful(i))
            tallest = std::max(tallest, points[static_cast<std::size_t>(i)].height);
    const double top = std::max(static_cast<double>(tallest), kTallWallFeet);
    const Box plot{box.left + textSize * 3, box.top + textSize * 0.3, box.width - textSize * 6,
                   box.height - textSize * 1.6};
    const int steps = kStripStepsPerInterval * (parkshape::kFencePointCount - 1);
    auto xAt = [&](int step) {
        return plot.left + plot.width * step / steps;
    };
    auto feetAt = [&](int step) {
        return std::min(top, shape.heightAt(-parkshape::kFoulLineDegrees +
                                            2 * parkshape::kFoulLineDegrees * step / steps));
    };
    auto yOf = [&](double feet) {
        return plot.bottom() - plot.height * std::max(0.0, feet) / top;
    };
    // Runs of one colour step, each filled down to the base line.
    int runStart = 0;
    for (int step = 0; step < steps; ++step) {
        const double feet = steppedHeight((feetAt(step) + feetAt(step + 1)) / 2);
        const bool runEnds =
            step + 1 == steps || steppedHeight((feetAt(step + 1) + feetAt(step + 2)) / 2) != feet;
        if (!runEnds)
            continue;
        Shape run{{{xAt(runStart), plot.bottom()}}, true, heightColour(feet), std::nullopt};
        for (int k = runStart; k <= step + 1; ++k)
            run.points.push_back({xAt(k), yOf(feetAt(k))});
        const double seamCover = step + 1 == steps ? 0.0 : 0.5; // under the next run, as in the legend
        run.points.push_back({xAt(step + 1) + seamCover, yOf(feetAt(step + 1))});
        run.points.push_back({xAt(step + 1) + seamCover, plot.bottom()});
        drawing.items.emplace_back(std::move(run));
        runStart = step + 1;
    }
    drawing.items.emplace_back(
        Shape{rectangle(plot, {}).points, true, std::nullopt, Stroke{kStripFrameColour, 0.5}});
    const TextStyle style{textSize * 0.85};
    for (int i = 0; i < parkshape::kFencePointCount; ++i) {
        const Point at{xAt(i * kStripStepsPerInterval),
                       baselineCentredOn(plot.bottom() + textSize * 0.6, style.size)};
        std::string label = std::string(parkshape::fencePointName(i)) + " " +
                            std::to_string(points[static_cast<std::size_t>(i)].height);
        if (doubtful(i))
            drawing.items.emplace_back(
                TextRun{at, label + "?", style.size, style.bold, Anchor::Middle, kUndrawableColour});
        else
            text(drawing, at, std::move(label), style, Anchor::Middle);
    }
    const double axis = box.left + textSize * 2.8;
    text(drawing, {axis, plot.top + kAscent * style.size}, grouped(std::lround(top)), style, Anchor::End);
    text(drawing, {axis, plot.bottom()}, "0 ft", style, Anchor::End);
}

void drawFull(Drawing& drawing, const DiagramContent& content, const DrawingOptions& options) {
    const double width = options.width;
    const double height = options.height;
    const double t = std::max(5.0, std::min(width, height * 1.1) / 50);
    const ParkShape shape(content.measures);
    const TextStyle titleStyle{t * 1.5, true};
    text(drawing, {t, baselineCentredOn(t * 1.4, titleStyle.size)},
         elided(content.name, titleStyle, width - 2 * t), titleStyle);
    const std::string team = content.team.empty() ? "no team" : content.team;
    text(drawing, {t, baselineCentredOn(t * 3.0, t)},
         elided(team + "  \u00b7  " + ParkDrawing::fairAreaText(shape), {t}, width - 2 * t), {t});
    const double infoBottom = t * 3.7;
    const double stripHeight = std::max(t * 5, height * 0.14);
    const Box strip{0, height - stripHeight - t * 0.3, width, stripHeight};
    drawField(drawing, {0, infoBottom, width, strip.top - infoBottom}, content, t, options.showAverage);
    drawHeightStrip(drawing, strip, shape, t);
    // The side view in the foul ground left of home plate, which the field leaves empty: below the
    // left-field line, which rises from home plate at 45 degrees.
    if (content.flyBall) {
        const double sideWidth = width * 0.3;
        const double sideHeight = std::min((strip.top - infoBottom) * 0.28, width * 0.17);
        drawSideView(drawing, {t * 0.4, strip.top - sideHeight - t * 0.2, sideWidth, sideHeight},
                     *content.flyBall, t);
    }
    const double legendWidth = std::min(width * 0.3, t * 14);
    drawLegend(drawing, {width - legendWidth - t, infoBottom + t * 0.3, legendWidth, t * 8}, content, t,
               options.showAverage);
}

// The field, and under it the name and, where there is room, the team and the fair area.
void drawSheetCell(Drawing& drawing, const DiagramContent& content, const DrawingOptions& options) {
    const double width = options.width;
    const double t = std::max(4.0, std::min(width, options.height) / 24);
    const bool roomForInfo = options.height >= t * 12;
    const double infoHeight = roomForInfo ? t * 1.1 : 0.0;
    const double nameTop = options.height - infoHeight - t * 1.5;
    drawField(drawing, {0, 0, width, nameTop}, content, t * 0.8, options.showAverage);
    const TextStyle nameStyle{t, true};
    text(drawing, {width / 2, baselineCentredOn(nameTop + t * 0.8, t)},
         elided(content.name, nameStyle, width), nameStyle, Anchor::Middle);
    if (!roomForInfo)
        return;
    const ParkShape shape(content.measures);
    const auto area = shape.fairAreaSquareFeet();
    const std::string areaText = area ? grouped(std::llround(*area)) + " sq ft" : "no fair area";
    const TextStyle infoStyle{t * 0.75};
    const std::string info = (content.team.empty() ? "no team" : content.team) + "  \u00b7  " + areaText;
    text(drawing, {width / 2, baselineCentredOn(nameTop + t * 1.5 + infoHeight / 2, infoStyle.size)},
         elided(info, infoStyle, width), infoStyle, Anchor::Middle);
}

} // namespace

std::string ParkDrawing::fairAreaText(const ParkShape& shape) {
    const auto area = shape.fairAreaSquareFeet();
    if (!area)
        return "Fair area: none (distances must be 1 to 999 ft)";
    return "Fair area: " + grouped(std::llround(*area)) + " sq ft";
}

Drawing ParkDrawing::draw(const DiagramContent& content, const DrawingOptions& options) {
    Drawing drawing;
    drawing.width = options.width;
    drawing.height = options.height;
    if (options.width < 4 || options.height < 4)
        return drawing;
    if (options.detail == DrawingOptions::Detail::SheetCell)
        drawSheetCell(drawing, content, options);
    else
        drawFull(drawing, content, options);
    return drawing;
}

Drawing ParkDrawing::sheetLegend(double width, double height, bool showAverage,
                                 const std::string& averageName) {
    Drawing drawing;
    drawing.width = width;
    drawing.height = height;
    const double t = height / 2.6;
    const TextStyle style{t};
    const std::string caption = "Wall height (ft)";
    const double captionWidth = textWidth(caption, style);
    text(drawing, {0, baselineCentredOn(t * 0.5, t)}, caption, style);
    const double barLeft = captionWidth + t;
    const double averageWidth = showAverage ? textWidth(averageName, style) + t * 3 : 0.0;
    const double barWidth = std::max(t * 4, std::min(t * 20, width - barLeft - averageWidth - t * 2));
    drawHeightScale(drawing, {barLeft, t * 0.15, barWidth, t * 0.7}, t * 0.85);
    if (showAverage) {
        const double left = barLeft + barWidth + t * 2;
        line(drawing, {left, t * 0.5}, {left + t * 1.6, t * 0.5}, averageStroke(t));
        text(drawing, {left + t * 2, baselineCentredOn(t * 0.5, t)}, averageName, style);
    }
    return drawing;
}

} // namespace vendrix::parkdrawing
