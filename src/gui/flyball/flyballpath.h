#pragma once

#include "flight/flight.h"
#include "flight/league/parkverdict.h"
#include "parkdrawing/diagramcontent.h"
#include "parkshape/parkshape.h"

namespace vendrix::gui {

// The fly ball as a park's diagram draws it (parkdrawing::FlyBallPath): the ground track and the side
// view from the launch to the landing, or to the wall for a ball that meets it, and the wall where the
// track meets the fence (or where the ball comes down short of it).
parkdrawing::FlyBallPath flyBallPathOf(const flight::Flight& flight, const parkshape::ParkShape& park,
                                       const flight::ParkVerdict& verdict);

} // namespace vendrix::gui
