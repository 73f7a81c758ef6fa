#include "parkshape.h"

#include "fencecurve.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vendrix::parkshape {

namespace {

constexpr double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

FenceCurve curveOf(const std::array<double, kFencePointCount>& distances) {
    return FenceCurve(distances, -kFoulLineDegrees, kFenceStepDegrees);
}

} // namespace

PlanePoint ParkShape::onRay(double degrees, double feet) {
    return {feet * std::sin(radians(degrees)), feet * std::cos(radians(degrees))};
}

ParkShape::ParkShape(const FenceMeasures& measures) {
    for (int i = 0; i < kFencePointCount; ++i) {
        FencePoint& point = points_[i];
        point.degrees = fencePointDegrees(i);
        point.distance = measures.distance[i];
        point.height = measures.height[i];
        point.drawable = point.distance >= kShortestDistance && point.distance <= kLongestDistance;
        distances_[i] = std::clamp(point.distance, kShortestDistance, kLongestDistance);
        point.at = onRay(point.degrees, distances_[i]);
        drawable_ = drawable_ && point.drawable;
    }
    if (drawable_)
        area_ = curveOf(distances_).integralOfSquare() * radians(1.0) / 2.0;
}

std::optional<double> ParkShape::fairAreaOf(const FenceMeasures& measures) {
    std::array<double, kFencePointCount> distances{};
    for (int i = 0; i < kFencePointCount; ++i) {
        const int distance = measures.distance[i];
        if (distance < kShortestDistance || distance > kLongestDistance)
            return std::nullopt;
        distances[i] = distance;
    }
    return curveOf(distances).integralOfSquare() * radians(1.0) / 2.0;
}

std::vector<PlanePoint> ParkShape::wall(int perInterval) const {
    if (!drawable_ || perInterval < 1)
        return {};
    const FenceCurve curve = curveOf(distances_);
    const int pieces = perInterval * (kFencePointCount - 1);
    std::vector<PlanePoint> points;
    points.reserve(static_cast<std::size_t>(pieces) + 1);
    for (int k = 0; k <= pieces; ++k) {
        const double degrees = -kFoulLineDegrees + 2.0 * kFoulLineDegrees * k / pieces;
        points.push_back(onRay(degrees, curve.valueAt(degrees)));
    }
    return points;
}

double ParkShape::distanceAt(double degrees) const {
    return drawable_ ? curveOf(distances_).valueAt(degrees) : 0.0;
}

double ParkShape::heightAt(double degrees) const {
    const double position =
        std::clamp((degrees + kFoulLineDegrees) / kFenceStepDegrees, 0.0, double(kFencePointCount - 1));
    const int i = std::min(static_cast<int>(position), kFencePointCount - 2);
    const double t = position - i;
    return (1.0 - t) * points_[i].height + t * points_[i + 1].height;
}

} // namespace vendrix::parkshape
