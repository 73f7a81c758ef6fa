#include "fencecrossing.h"

#include "portablemath.h"

#include <algorithm>
#include <cmath>

namespace vendrix::flight {

namespace {

using parkshape::kFoulLineDegrees;

double fairDirection(double degrees) {
    return std::clamp(degrees, -kFoulLineDegrees, kFoulLineDegrees);
}

// How far out the fence stands in a direction, on the foul lines' distance past them.
double fenceAt(const parkshape::ParkShape& park, double degrees) {
    return park.distanceAt(fairDirection(degrees));
}

// The least and greatest fence distance over a range of directions. The drawn wall is monotone
// between neighbouring fence points, so its extremes over a range are at the range's ends or at the
// fence points inside it.
struct FenceBounds {
    double nearest;
    double farthest;
};

FenceBounds boundsOver(const parkshape::ParkShape& park, Flight::DirectionRange range) {
    const double low = fairDirection(range.lowest);
    const double high = fairDirection(range.highest);
    const double atLow = park.distanceAt(low);
    const double atHigh = park.distanceAt(high);
    FenceBounds bounds{std::min(atLow, atHigh), std::max(atLow, atHigh)};
    for (const parkshape::FencePoint& point : park.points()) {
        if (point.degrees > low && point.degrees < high) {
            bounds.nearest = std::min(bounds.nearest, double(point.distance));
            bounds.farthest = std::max(bounds.farthest, double(point.distance));
        }
    }
    return bounds;
}

double nearestPoint(const parkshape::ParkShape& park) {
    double nearest = park.points().front().distance;
    for (const parkshape::FencePoint& point : park.points())
        nearest = std::min(nearest, double(point.distance));
    return nearest;
}

constexpr std::size_t kScanPoints = 8;
constexpr int kFalsePositionSteps = 3;

} // namespace

std::optional<FenceCrossing> FenceCrossing::of(const Flight& flight, const parkshape::ParkShape& park) {
    if (!park.isDrawable())
        return std::nullopt;
    const auto& samples = flight.samples();
    const std::size_t last = samples.size() - 1;
    // Beyond the fence means as far out as it is in the sample's own direction.
    const auto beyond = [&](std::size_t i) {
        return samples[i].position.groundDistance() - fenceAt(park, samples[i].directionDegrees);
    };

    // Before the ball reaches the nearest fence point it is inside every fence; from there on its
    // directions bound the fence it can meet, and before it reaches the nearest of that it is inside,
    // after it has passed the farthest it is out.
    const std::size_t anyFence = flight.firstSampleReaching(nearestPoint(park));
    if (anyFence > last)
        return std::nullopt;
    const FenceBounds bounds = boundsOver(park, flight.directionsFrom(anyFence));
    const std::size_t from = flight.firstSampleReaching(bounds.nearest);
    if (from > last)
        return std::nullopt;
    const std::size_t to = std::min(flight.firstSampleReaching(bounds.farthest), last);

    // The first sample beyond the fence: a few evenly spread looks, then halving the gap before the
    // first look that is beyond.
    const std::size_t stride = std::max<std::size_t>(1, (to - from + kScanPoints - 1) / kScanPoints);
    std::size_t inside = from; // a sample known inside, or `from` itself when none before it is looked at
    std::size_t out = last + 1;
    bool seenInside = false;
    for (std::size_t i = from;; i = std::min(i + stride, to)) {
        if (beyond(i) >= 0.0) {
            out = i;
            break;
        }
        inside = i;
        seenInside = true;
        if (i == to)
            break;
    }
    if (out > last)
        return std::nullopt;
    if (seenInside) {
        while (out - inside > 1) {
            const std::size_t middle = inside + (out - inside) / 2;
            (beyond(middle) >= 0.0 ? out : inside) = middle;
        }
    }

    FenceCrossing crossing;
    if (out == 0) { // a fence nearer than the launch point
        crossing.seconds = 0.0;
        crossing.position = samples[0].position;
    } else {
        // Between the last sample inside and the first beyond, the distance past the fence is close to
        // straight in time: a few steps of false position on the path between them place the crossing
        // to well within a hundredth of a foot.
        const auto beyondAt = [&](double fraction) {
            const Vector3 p = flight.positionBetween(out - 1, fraction);
            return p.groundDistance() - fenceAt(park, portable::directionDegrees(p.x, p.y));
        };
        double inner = 0.0;
        double outer = 1.0;
        double innerBeyond = beyond(out - 1);
        double outerBeyond = beyond(out);
        double fraction = 1.0;
        for (int i = 0; i < kFalsePositionSteps; ++i) {
            fraction = inner + (outer - inner) * (-innerBeyond / (outerBeyond - innerBeyond));
            if (i + 1 == kFalsePositionSteps)
                break;
            const double there = beyondAt(fraction);
            if (there >= 0.0) {
                outer = fraction;
                outerBeyond = there;
            } else {
                inner = fraction;
                innerBeyond = there;
            }
        }
        crossing.seconds =
            samples[out - 1].seconds + fraction * (samples[out].seconds - samples[out - 1].seconds);
        crossing.position = flight.positionBetween(out - 1, fraction);
    }
    crossing.directionDegrees = portable::directionDegrees(crossing.position.x, crossing.position.y);
    crossing.fenceDistanceFt = fenceAt(park, crossing.directionDegrees);
    return crossing;
}

} // namespace vendrix::flight
