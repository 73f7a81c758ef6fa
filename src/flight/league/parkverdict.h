#pragma once

#include "flight/flight.h"
#include "parkshape/parkshape.h"

#include <optional>
#include <string>
#include <string_view>

namespace vendrix::flight {

// What a fly ball does in a park.
//   Out: it passes the fence between the foul lines above the wall.
//   Wall: it reaches the fence between the foul lines at or below the top of the wall.
//   In: it comes down in fair ground short of the fence.
//   Foul: it passes the fence's distance, or comes down, outside the foul lines (on a line is fair).
// Only where the ball passes the fence or lands counts, not where it flies on the way: a ball that
// hooks over foul ground and back inside the pole is fair, as on the field.
enum class Verdict { Out, Wall, In, Foul };

// "out", "wall", "in", "foul".
std::string_view wordOf(Verdict verdict);

// One park's verdict on one flight, with the measures behind it.
struct ParkVerdict {
    Verdict verdict = Verdict::In;
    // Feet above the top of the wall (Out), below it (Wall), short of the fence (In); 0 for Foul.
    double marginFt = 0.0;
    // The fence's distance and the wall's height where the ball meets the fence (Out, Wall, Foul past
    // the poles' distance) or in the direction it lands (In, Foul coming down).
    double fenceDistanceFt = 0.0;
    double wallHeightFt = 0.0;
    // The ball's height over the fence line; 0 when it comes down first.
    double heightAtFenceFt = 0.0;
    // Whether the ball reached the fence line (Out, Wall, Foul past the poles' distance) rather than
    // coming down first (In, Foul coming down).
    bool reachedFence = false;
    // The direction where it meets the fence or lands, in degrees.
    double directionDegrees = 0.0;

    // The verdict on a flight in a park whose wall can be drawn; none for a park that cannot. The
    // caller leaves out parks whose walls cannot be real (ParkShape draws any height it is given).
    static std::optional<ParkVerdict> of(const Flight& flight, const parkshape::ParkShape& park);

    // The table's words: "Out by 12 ft", "Off the wall", "Short by 30 ft", "Foul" (whole feet; "Just
    // out" and "Just short" within half a foot).
    std::string text() const;

    // A number that sorts verdicts from the surest home run down: Out by its margin, then Wall by how
    // far below the top, then In by how far short, then Foul.
    double carryKey() const;
};

} // namespace vendrix::flight
