#pragma once

#include "flight/flight.h"
#include "parkshape/parkshape.h"

#include <optional>

namespace vendrix::flight {

// Where a flight first leaves a park's field: the first moment its ground track is as far from home
// plate as the park's fence in its direction. The fence is the wall the diagram draws
// (ParkShape::distanceAt) between the foul lines, and beyond them is taken on at the foul poles'
// distances, so that a ball passing the poles' distance over foul ground leaves the field there too.
struct FenceCrossing {
    double seconds = 0.0;
    Vector3 position;              // the ball there; z is its height over the fence line
    double directionDegrees = 0.0; // of the ground point, seen from home plate; past +-45 it is foul
    double fenceDistanceFt = 0.0;  // the fence there (at the nearer pole past a foul line)

    // None when the ball comes down inside the fence, or when the park has no drawable wall.
    // The flight's samples are searched only where the ball is within the fence's distances for its
    // directions, a handful of fence look-ups a park, so one flight meets many parks cheaply. The
    // first sample past the fence is found among them assuming the fence does not fold back across
    // the ball's path within a few feet of its travel; the crossing itself is placed between samples.
    static std::optional<FenceCrossing> of(const Flight& flight, const parkshape::ParkShape& park);
};

} // namespace vendrix::flight
