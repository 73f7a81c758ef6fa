#include "fencecrossing.h"

#include "flight/portablemath.h"

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

constexpr std::size_t kScanPoints = 4;
constexpr int kFalsePositionSteps = 2;

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
    // first look that is beyond. What each look found is kept for the crossing below.
    struct Look {
        std::size_t index;
        double beyond;
    };
    const std::size_t stride = std::max<std::size_t>(1, (to - from + kScanPoints - 1) / kScanPoints);
    std::optional<Look> inside; // the last sample looked at that is inside
    std::optional<Look> out;    // the first sample looked at that is beyond
    for (std::size_t i = from; !out; i = std::min(i + stride, to)) {
        const Look look{i, beyond(i)};
        (look.beyond >= 0.0 ? out : inside) = look;
        if (i == to)
            break;
    }
    if (!out)
        return std::nullopt;
    if (inside) {
        while (out->index - inside->index > 1) {
            const std::size_t middle = inside->index + (out->index - inside->index) / 2;
            const Look look{middle, beyond(middle)};
            (look.beyond >= 0.0 ? out : inside) = look;
        }
    } else if (out->index > 0) {
        inside = Look{out->index - 1, beyond(out->index - 1)};
    }

    FenceCrossing crossing;
    if (!inside) { // a fence nearer than the launch point
        crossing.position = samples[0].position;
    } else {
        // Between the last sample inside and the first beyond, the distance past the fence is close to
        // straight in time: a few steps of false position on the path between them place the crossing
        // to well within a hundredth of a foot.
        const std::size_t step = inside->index;
        // Within one step the direction turns by hundredths of a degree, evenly enough to interpolate.
        const double fromDirection = samples[step].directionDegrees;
        double turn = samples[step + 1].directionDegrees - fromDirection;
        if (std::abs(turn) > 180.0) // passing behind home plate, from +180 to -180 degrees or back
            turn -= std::copysign(360.0, turn);
        double inner = 0.0;
        double outer = 1.0;
        double innerBeyond = inside->beyond;
        double outerBeyond = out->beyond;
        double fraction = 1.0;
        for (int i = 0;; ++i) {
            fraction = inner + (outer - inner) * (-innerBeyond / (outerBeyond - innerBeyond));
            if (i == kFalsePositionSteps)
                break;
            const double there = flight.positionBetween(step, fraction).groundDistance() -
                                 fenceAt(park, fromDirection + fraction * turn);
            (there >= 0.0 ? outer : inner) = fraction;
            (there >= 0.0 ? outerBeyond : innerBeyond) = there;
        }
        crossing.seconds =
            samples[step].seconds + fraction * (samples[step + 1].seconds - samples[step].seconds);
        crossing.position = flight.positionBetween(step, fraction);
    }
    crossing.directionDegrees = portable::directionDegrees(crossing.position.x, crossing.position.y);
    crossing.fenceDistanceFt = fenceAt(park, crossing.directionDegrees);
    return crossing;
}

} // namespace vendrix::flight
