#include "flyballpath.h"

#include "flight/league/fencecrossing.h"

#include <cmath>

namespace vendrix::gui {

namespace {

// Fine enough that the drawn curve shows no corners at the diagram's size.
constexpr double kDrawnStepSeconds = 1.0 / 24.0;

} // namespace

parkdrawing::FlyBallPath flyBallPathOf(const flight::Flight& flight, const parkshape::ParkShape& park,
                                       const flight::ParkVerdict& verdict) {
    parkdrawing::FlyBallPath path;
    path.verdict = verdict.text();
    const std::optional<flight::FenceCrossing> crossing = flight::FenceCrossing::of(flight, park);
    // A ball off the wall stops there; one that clears it flies on to where it lands.
    const double end = verdict.verdict == flight::Verdict::Wall && crossing
                           ? crossing->seconds
                           : flight.landing().hangTimeSeconds;
    const auto add = [&](double seconds) {
        const flight::Vector3 at = flight.positionAt(seconds);
        path.track.push_back({at.x, at.y});
        path.side.push_back({std::hypot(at.x, at.y), std::max(0.0, at.z)});
    };
    for (double t = 0.0; t < end; t += kDrawnStepSeconds)
        add(t);
    add(end);
    path.landsInside = !verdict.reachedFence;
    if (verdict.reachedFence || verdict.verdict == flight::Verdict::In)
        path.wall = parkdrawing::FlyBallPath::SidePoint{verdict.fenceDistanceFt, verdict.wallHeightFt};
    return path;
}

} // namespace vendrix::gui
