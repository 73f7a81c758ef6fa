#pragma once

#include "diagramcontent.h"
#include "drawing.h"
#include "fielddrawing.h"

// A fly ball in a park diagram: its ground track on the field, and its side view in a box of its own.
// Internal to this library.
namespace vendrix::parkdrawing {

inline constexpr Colour kFlyBallColour{214, 84, 0};

// The track from home plate to where the ball lands, drawn at `scale` drawing units per foot with home
// plate at `home` (centre field up); where it meets the fence a dot, where it lands a cross.
void drawTrack(Drawing& drawing, Point home, double scale, const FlyBallPath& path, double textSize);

// The ball's height over its distance from home plate in `box`, the wall standing where the track
// meets it, the verdict above; the heights drawn taller than the distances, as the axes say.
void drawSideView(Drawing& drawing, const Box& box, const FlyBallPath& path, double textSize);

} // namespace vendrix::parkdrawing
