#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// A picture as plain data: what to draw, where and in which colour, in drawing units (one unit is one
// pixel of the picture at its own size; y grows downwards). The park drawing decides everything once;
// every renderer (the Qt painter, the SVG writer) only replays these primitives in order.
namespace vendrix::parkdrawing {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// A line's look. A dashed line repeats a dash of four widths and a gap of two.
struct Stroke {
    Colour colour;
    double width = 1.0;
    bool dashed = false;
    bool roundEnds = false; // round caps and joins; square-cut otherwise
};

// A polyline (open) or polygon (closed), filled, stroked or both. Two open points make a line.
struct Shape {
    std::vector<Point> points;
    bool closed = false;
    std::optional<Colour> fill;
    std::optional<Stroke> stroke;
};

// A mark at a point: a filled dot of `size` radius, or a cross of arms `size` long drawn `lineWidth` wide.
struct Marker {
    enum class Kind { Dot, Cross };
    Kind kind = Kind::Dot;
    Point at;
    double size = 1.0;
    double lineWidth = 1.0;
    Colour colour;
};

enum class Anchor { Start, Middle, End };

// One line of text in Liberation Sans: `at` is the point on the baseline the anchor names.
struct TextRun {
    Point at;
    std::string text; // UTF-8
    double size = 10.0;
    bool bold = false;
    Anchor anchor = Anchor::Start;
    Colour colour;
};

using Primitive = std::variant<Shape, Marker, TextRun>;

struct Drawing {
    double width = 0.0;
    double height = 0.0;
    Colour background{255, 255, 255};
    std::vector<Primitive> items; // drawn in order, later over earlier
};

} // namespace vendrix::parkdrawing
