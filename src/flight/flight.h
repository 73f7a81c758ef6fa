#pragma once

#include "ball.h"
#include "conditions.h"
#include "vector3.h"

#include <cstddef>
#include <vector>

namespace vendrix::flight {

// The ball's state at one moment of its flight.
struct FlightSample {
    double seconds = 0.0;
    Vector3 position;              // feet, home plate at the origin, the ground at z = 0
    Vector3 velocity;              // feet per second
    double directionDegrees = 0.0; // of the ground point, seen from home plate
    double reachFeet = 0.0;        // the farthest the ball has been from home plate along the ground so far
};

// Where and when the ball comes down in the open, with no wall in its way.
struct Landing {
    double distanceFt = 0.0; // from home plate along the ground
    double hangTimeSeconds = 0.0;
    double apexFt = 0.0;           // the highest it rose above the ground
    double directionDegrees = 0.0; // of the landing point, seen from home plate
    Vector3 point;
};

// One ball's flight in the given air, integrated once from the launch (3 ft above the ground, 2 ft in
// front of home plate, towards centre field) to the ground by the classical fourth-order Runge-Kutta
// method at a fixed step. Between the steps the path is the cubic through both ends' positions and
// velocities, so the landing, the apex and a fence crossing are found between steps and do not move
// with the step (halving it changes the distance by far less than 0.1 ft). Only IEEE-exact arithmetic
// (portablemath.h), so the same ball gives the same bits on every platform.
class Flight {
public:
    static constexpr double kDefaultStepSeconds = 1.0 / 32.0;
    static constexpr double kLaunchHeightFt = 3.0;
    static constexpr double kLaunchForwardFt = 2.0;
    // A flight still in the air this long is cut there (no batted ball stays up half as long).
    static constexpr double kLongestSeconds = 60.0;

    // A ball and air with no problem(); a step that is not positive is taken as the default.
    explicit Flight(const Ball& ball, const Conditions& conditions = Conditions::neutral(),
                    double stepSeconds = kDefaultStepSeconds);

    const Ball& ball() const { return ball_; }
    const Conditions& conditions() const { return conditions_; }
    const Landing& landing() const { return landing_; }

    // Every step from the launch, the last one the landing itself.
    const std::vector<FlightSample>& samples() const { return samples_; }

    // The ball's position at `seconds` after the launch (held at the ends outside the flight).
    Vector3 positionAt(double seconds) const;
    // The position a `fraction` (0..1) of the way from samples()[index] to the next sample.
    Vector3 positionBetween(std::size_t index, double fraction) const;

    // The least and greatest direction of the ground track from samples()[index] to the landing, in
    // degrees: where a fence far enough out to be met only after that sample can be met.
    struct DirectionRange {
        double lowest = 0.0;
        double highest = 0.0;
    };
    DirectionRange directionsFrom(std::size_t index) const { return laterDirections_[index]; }

    // The first sample whose reachFeet is at least `feet`; samples().size() when the ball never gets
    // that far.
    std::size_t firstSampleReaching(double feet) const;

private:
    Ball ball_;
    Conditions conditions_;
    std::vector<FlightSample> samples_;
    Landing landing_;
    std::vector<DirectionRange> laterDirections_;
};

} // namespace vendrix::flight
