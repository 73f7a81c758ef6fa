#pragma once

#include "fenceangles.h"

#include <array>
#include <optional>
#include <vector>

namespace vendrix::parkshape {

// A park's fourteen measures as they stand in its row: distances in feet, heights in feet.
struct FenceMeasures {
    std::array<int, kFencePointCount> distance{};
    std::array<int, kFencePointCount> height{};
};

struct PlanePoint {
    double x = 0.0; // feet, towards right field
    double y = 0.0; // feet, towards centre field
};

// One fence point as drawn.
struct FencePoint {
    double degrees = 0.0;
    int distance = 0;
    int height = 0;
    bool drawable = false; // the distance lies in 1..999 feet
    PlanePoint at;         // where it stands; on its ray at the nearest drawable distance otherwise
};

// The outfield of one park, drawn from its measures: the seven points, the wall between them and the
// fair territory inside it. A park with any distance outside 1..999 feet has no wall and no area.
class ParkShape {
public:
    explicit ParkShape(const FenceMeasures& measures);

    bool isDrawable() const { return drawable_; }
    const std::array<FencePoint, kFencePointCount>& points() const { return points_; }

    // Square feet of fair territory inside the wall; none for a park that cannot be drawn.
    std::optional<double> fairAreaSquareFeet() const { return area_; }
    // The same area straight from the measures, without placing the points: for exports that ask
    // it of every park of a season.
    static std::optional<double> fairAreaOf(const FenceMeasures& measures);

    // The wall from the left-field line to the right-field line, `perInterval` pieces between two
    // neighbouring points; empty for a park that cannot be drawn.
    std::vector<PlanePoint> wall(int perInterval) const;

    // The wall's distance at an angle in degrees (-45..45); 0 for a park that cannot be drawn.
    double distanceAt(double degrees) const;

    // The wall's height at an angle in degrees, straight between neighbouring points.
    double heightAt(double degrees) const;

    static PlanePoint onRay(double degrees, double feet);

private:
    std::array<FencePoint, kFencePointCount> points_;
    std::array<double, kFencePointCount> distances_{};
    bool drawable_ = true;
    std::optional<double> area_;
};

} // namespace vendrix::parkshape
