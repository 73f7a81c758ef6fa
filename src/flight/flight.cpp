#include "flight.h"

#include "aerodynamics.h"
#include "cubicstep.h"
#include "portablemath.h"
#include "units.h"

#include <algorithm>
#include <cmath>

namespace vendrix::flight {

namespace {

struct State {
    Vector3 position;
    Vector3 velocity;
};

// One classical Runge-Kutta step. The forces depend on the velocity alone, so the position's stages
// are the velocity's.
State stepOf(const Aerodynamics& air, const State& state, double h) {
    const Vector3& v1 = state.velocity;
    const Vector3 a1 = air.acceleration(v1);
    const Vector3 v2 = v1 + a1 * (h / 2.0);
    const Vector3 a2 = air.acceleration(v2);
    const Vector3 v3 = v1 + a2 * (h / 2.0);
    const Vector3 a3 = air.acceleration(v3);
    const Vector3 v4 = v1 + a3 * h;
    const Vector3 a4 = air.acceleration(v4);
    return {state.position + (v1 + v2 * 2.0 + v3 * 2.0 + v4) * (h / 6.0),
            state.velocity + (a1 + a2 * 2.0 + a3 * 2.0 + a4) * (h / 6.0)};
}

FlightSample sampleOf(double seconds, const State& state, double reachBefore) {
    return {seconds, state.position, state.velocity,
            portable::directionDegrees(state.position.x, state.position.y),
            std::max(reachBefore, state.position.groundDistance())};
}

CubicStep stepBetween(const FlightSample& from, const FlightSample& to) {
    return {from.position, from.velocity, to.position, to.velocity, to.seconds - from.seconds};
}

} // namespace

Flight::Flight(const Ball& ball, const Conditions& conditions, double stepSeconds)
    : ball_(ball), conditions_(conditions) {
    if (!(stepSeconds > 0.0 && stepSeconds <= kLongestSeconds))
        stepSeconds = kDefaultStepSeconds;
    const Aerodynamics air(ball, conditions);
    const double speed = ball.speedMph * units::kFeetPerSecondPerMph;
    const double horizontal = speed * portable::cosDegrees(ball.angleDegrees);
    State state{{0.0, kLaunchForwardFt, kLaunchHeightFt},
                {horizontal * portable::sinDegrees(ball.directionDegrees),
                 horizontal * portable::cosDegrees(ball.directionDegrees),
                 speed * portable::sinDegrees(ball.angleDegrees)}};
    samples_.push_back(sampleOf(0.0, state, 0.0));
    const auto steps = static_cast<long>(std::ceil(kLongestSeconds / stepSeconds));
    for (long k = 1; k <= steps; ++k) {
        const State next = stepOf(air, state, stepSeconds);
        const FlightSample& last = samples_.back();
        if (next.position.z <= 0.0) {
            const CubicStep step(state.position, state.velocity, next.position, next.velocity, stepSeconds);
            const double s = CubicStep::crossing([&](double f) { return step.positionAt(f).z; });
            State down{step.positionAt(s), step.velocityAt(s)};
            down.position.z = 0.0;
            samples_.push_back(sampleOf(last.seconds + s * stepSeconds, down, last.reachFeet));
            break;
        }
        // k * step rather than a running sum, so that no rounding accumulates in the clock.
        samples_.push_back(sampleOf(static_cast<double>(k) * stepSeconds, next, last.reachFeet));
        state = next;
    }

    double apex = 0.0;
    for (const FlightSample& sample : samples_)
        apex = std::max(apex, sample.position.z);
    for (std::size_t i = 0; i + 1 < samples_.size(); ++i) {
        if (samples_[i].velocity.z > 0.0 && samples_[i + 1].velocity.z <= 0.0) {
            const CubicStep step = stepBetween(samples_[i], samples_[i + 1]);
            const double s = CubicStep::crossing([&](double f) { return step.velocityAt(f).z; });
            apex = std::max(apex, step.positionAt(s).z);
        }
    }
    const FlightSample& down = samples_.back();
    landing_ = {down.position.groundDistance(), down.seconds, apex, down.directionDegrees, down.position};

    laterDirections_.resize(samples_.size());
    DirectionRange later{down.directionDegrees, down.directionDegrees};
    for (std::size_t i = samples_.size(); i-- > 0;) {
        later.lowest = std::min(later.lowest, samples_[i].directionDegrees);
        later.highest = std::max(later.highest, samples_[i].directionDegrees);
        laterDirections_[i] = later;
    }
}

Vector3 Flight::positionBetween(std::size_t index, double fraction) const {
    if (index + 1 >= samples_.size())
        return samples_.back().position;
    return stepBetween(samples_[index], samples_[index + 1]).positionAt(fraction);
}

Vector3 Flight::positionAt(double seconds) const {
    if (seconds <= 0.0)
        return samples_.front().position;
    const auto after = std::upper_bound(samples_.begin(), samples_.end(), seconds,
                                        [](double t, const FlightSample& s) { return t < s.seconds; });
    if (after == samples_.end())
        return samples_.back().position;
    const auto index = static_cast<std::size_t>(after - samples_.begin()) - 1;
    const double span = samples_[index + 1].seconds - samples_[index].seconds;
    return positionBetween(index, (seconds - samples_[index].seconds) / span);
}

std::size_t Flight::firstSampleReaching(double feet) const {
    const auto first = std::lower_bound(samples_.begin(), samples_.end(), feet,
                                        [](const FlightSample& s, double f) { return s.reachFeet < f; });
    return static_cast<std::size_t>(first - samples_.begin());
}

} // namespace vendrix::flight
