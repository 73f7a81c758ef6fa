#include "parkverdict.h"

#include "fencecrossing.h"

#include <algorithm>
#include <cmath>

namespace vendrix::flight {

namespace {

bool fair(double directionDegrees) {
    return std::abs(directionDegrees) <= parkshape::kFoulLineDegrees;
}

double onTheField(double directionDegrees) {
    return std::clamp(directionDegrees, -parkshape::kFoulLineDegrees, parkshape::kFoulLineDegrees);
}

std::string wholeFeet(double feet) {
    return std::to_string(std::lround(feet)) + " ft";
}

} // namespace

std::string_view wordOf(Verdict verdict) {
    switch (verdict) {
    case Verdict::Out:
        return "out";
    case Verdict::Wall:
        return "wall";
    case Verdict::In:
        return "in";
    case Verdict::Foul:
        return "foul";
    }
    return "in";
}

std::optional<ParkVerdict> ParkVerdict::of(const Flight& flight, const parkshape::ParkShape& park) {
    if (!park.isDrawable())
        return std::nullopt;
    ParkVerdict result;
    if (const std::optional<FenceCrossing> crossing = FenceCrossing::of(flight, park)) {
        const double direction = onTheField(crossing->directionDegrees);
        result.fenceDistanceFt = crossing->fenceDistanceFt;
        result.wallHeightFt = park.heightAt(direction);
        result.heightAtFenceFt = crossing->position.z;
        result.reachedFence = true;
        result.directionDegrees = crossing->directionDegrees;
        if (!fair(crossing->directionDegrees)) {
            result.verdict = Verdict::Foul;
        } else if (result.heightAtFenceFt > result.wallHeightFt) {
            result.verdict = Verdict::Out;
            result.marginFt = result.heightAtFenceFt - result.wallHeightFt;
        } else {
            result.verdict = Verdict::Wall;
            result.marginFt = result.wallHeightFt - result.heightAtFenceFt;
        }
        return result;
    }
    const Landing& landing = flight.landing();
    const double direction = onTheField(landing.directionDegrees);
    result.fenceDistanceFt = park.distanceAt(direction);
    result.wallHeightFt = park.heightAt(direction);
    result.directionDegrees = landing.directionDegrees;
    if (fair(landing.directionDegrees)) {
        result.verdict = Verdict::In;
        result.marginFt = result.fenceDistanceFt - landing.distanceFt;
    } else {
        result.verdict = Verdict::Foul;
    }
    return result;
}

std::string ParkVerdict::text() const {
    switch (verdict) {
    case Verdict::Out:
        return marginFt < 0.5 ? "Just out" : "Out by " + wholeFeet(marginFt);
    case Verdict::Wall:
        return "Off the wall";
    case Verdict::In:
        return marginFt < 0.5 ? "Just short" : "Short by " + wholeFeet(marginFt);
    case Verdict::Foul:
        return "Foul";
    }
    return {};
}

double ParkVerdict::carryKey() const {
    // Walls of at most 100 ft are real; 1e4 keeps every Wall above every In even past that.
    switch (verdict) {
    case Verdict::Out:
        return marginFt;
    case Verdict::Wall:
        return -marginFt;
    case Verdict::In:
        return -1e4 - marginFt;
    case Verdict::Foul:
        return -1e9;
    }
    return -1e9;
}

} // namespace vendrix::flight
