#pragma once

#include "diagramcontent.h"
#include "drawing.h"

// The field of a park diagram: ground, infield, outlines, the wall in its height colours and the
// distance at every point. Shared by the full diagram and the sheet cell; internal to this library.
namespace vendrix::parkdrawing {

struct Box {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

inline constexpr Colour kTextColour{30, 30, 30};
inline constexpr Colour kLineColour{90, 90, 90};
inline constexpr Colour kAverageColour{150, 150, 150};
inline constexpr Colour kComparedColour{123, 63, 179};
inline constexpr Colour kUndrawableColour{200, 30, 30};
inline constexpr Colour kWallCasingColour{55, 55, 55};

// The looks of the lines the legend explains, at a text size.
Stroke averageStroke(double textSize);
Stroke comparedStroke(double textSize);
Stroke wallStroke(double textSize, double feet);

// Draws the field of `content` fitted into `box`, labels at `textSize`.
void drawField(Drawing& drawing, const Box& box, const DiagramContent& content, double textSize,
               bool showAverage);

} // namespace vendrix::parkdrawing
