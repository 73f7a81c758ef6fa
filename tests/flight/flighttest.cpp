// The flight against the figures physicists publish, and against the properties any flight must have.
#include "flight/flight.h"

#include "flight/portablemath.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <numbers>

namespace vendrix::flight {
namespace {

Ball backspinOnly(double mph, double angle, double rpm, double direction = 0.0) {
    return {mph, angle, direction, rpm, 0.0, Hand::Right};
}

Conditions with(double temperatureF, double altitudeFt, double windMph = 0.0, double windFrom = 0.0) {
    return {temperatureF, altitudeFt, 50.0, windMph, windFrom};
}

TEST(Flight, MatchesPublishedFigures) {
    // These coefficients give about 408 ft for 100 mph, 29 degrees and 2,500 rpm at 70 F, sea level and
    // 50 % (a published calculator, its air unstated, gives 397); 103 mph at 27.5 degrees stays up
    // about 5.5 s; the air is about 1.194 kg/m^3.
    const double density = Conditions::neutral().airDensityKgPerCubicMetre();
    const Landing carry = Flight(backspinOnly(100, 29, 2500)).landing();
    const double hang = Flight(backspinOnly(103, 27.5, 2500)).landing().hangTimeSeconds;
    EXPECT_NEAR(density, 1.194, 0.002);
    EXPECT_NEAR(carry.distanceFt, 408.0, 3.0);
    EXPECT_NEAR(hang, 5.5, 0.15);
    // The README quotes these.
    std::printf(
        "air %.4f kg/m^3; 100 mph, 29 deg, 2500 rpm: %.1f ft, apex %.1f ft, %.2f s; 103 mph, 27.5 deg: "
        "%.2f s\n",
        density, carry.distanceFt, carry.apexFt, carry.hangTimeSeconds, hang);
}

TEST(Flight, CarriesAsPhysicistsQuote) {
    const Ball ball = backspinOnly(100, 29, 2500);
    const double neutral = Flight(ball).landing().distanceFt;
    struct Case {
        const char* what;
        Ball ball;
        Conditions air;
        double lowest, highest; // feet gained against neutral
    };
    const Case cases[] = {
        {"10 F warmer: 3 to 4 ft", ball, with(80, 0), 2.5, 4.5},
        {"1,000 ft higher: about 6 ft", ball, with(70, 1000), 4.5, 7.5},
        {"10 mph blowing out: 30 to 40 ft", ball, with(70, 0, 10, 180), 28.0, 42.0},
        {"10 mph blowing in: 30 to 40 ft shorter", ball, with(70, 0, 10, 0), -44.0, -28.0},
        {"5 mph harder", backspinOnly(105, 29, 2500), with(70, 0), 15.0, 35.0},
        {"humid air is lighter", ball, {70, 0, 100, 0, 0}, 0.0, 1.5},
    };
    for (const Case& c : cases) {
        const double gain = Flight(c.ball, c.air).landing().distanceFt - neutral;
        std::printf("%s: %+.1f ft\n", c.what, gain);
        EXPECT_GE(gain, c.lowest) << c.what;
        EXPECT_LE(gain, c.highest) << c.what;
    }
}

// Balls across the range a log can hold, in still air and in wind.
const Ball kVariedBalls[] = {
    {100, 29, 0, std::nullopt, std::nullopt, Hand::Right},
    {112, 24, -38, std::nullopt, std::nullopt, Hand::Left},
    {85, 45, 30, 4000.0, -1500.0, Hand::Right},
    {200, 60, 10, 9000.0, 9000.0, Hand::Left},
    {60, -10, 5, std::nullopt, std::nullopt, Hand::Right},
    {150, 89, 0, -3000.0, 200.0, Hand::Right},
};

TEST(Flight, NeverGainsEnergyInStillAir) {
    // Drag takes energy and lift, square to the motion, does no work.
    for (const Ball& ball : kVariedBalls) {
        const Flight flight(ball);
        double before = INFINITY;
        for (const FlightSample& s : flight.samples()) {
            const double energy = s.velocity.dot(s.velocity) / 2.0 + 32.174 * s.position.z;
            ASSERT_LE(energy, before * (1 + 1e-12)) << ball.speedMph << " mph at " << s.seconds << " s";
            before = energy;
        }
    }
}

TEST(Flight, HalvingTheStepMovesNothingByATenthOfAFoot) {
    const Conditions windy{85, 5000, 20, 25, 135};
    double largest = 0.0;
    for (const Ball& ball : kVariedBalls) {
        for (const Conditions& air : {Conditions::neutral(), windy}) {
            const Landing coarse = Flight(ball, air).landing();
            const Landing fine = Flight(ball, air, Flight::kDefaultStepSeconds / 2).landing();
            EXPECT_NEAR(coarse.distanceFt, fine.distanceFt, 0.01) << ball.speedMph;
            largest = std::max(largest, std::abs(coarse.distanceFt - fine.distanceFt));
            EXPECT_NEAR(coarse.apexFt, fine.apexFt, 0.01) << ball.speedMph;
            EXPECT_NEAR(coarse.hangTimeSeconds, fine.hangTimeSeconds, 1e-4) << ball.speedMph;
            EXPECT_NEAR(coarse.directionDegrees, fine.directionDegrees, 1e-3) << ball.speedMph;
        }
    }
    std::printf("halving the step moves a landing by at most %.1e ft\n", largest);
}

TEST(Flight, MirroredBallFliesTheMirroredPath) {
    for (const Ball& ball : kVariedBalls) {
        const Landing right = Flight(ball).landing();
        const Landing left = Flight(ball.mirrored()).landing();
        EXPECT_NEAR(right.distanceFt, left.distanceFt, 1e-9);
        EXPECT_NEAR(right.directionDegrees, -left.directionDegrees, 1e-9);
        EXPECT_NEAR(right.hangTimeSeconds, left.hangTimeSeconds, 1e-12);
    }
}

TEST(Flight, SpinCurvesTheWayItsSignSays) {
    // Straight with no sidespin; positive sidespin hooks towards left field; a right-handed batter's
    // usual ball to centre drifts towards right field, a left-handed one's towards left.
    EXPECT_NEAR(Flight({100, 29, 0, 2000.0, 0.0, Hand::Right}).landing().directionDegrees, 0.0, 1e-12);
    EXPECT_LT(Flight({100, 29, 0, 2000.0, 1000.0, Hand::Right}).landing().directionDegrees, -1.0);
    EXPECT_GT(Flight({100, 29, 0, std::nullopt, std::nullopt, Hand::Right}).landing().directionDegrees, 1.0);
    EXPECT_LT(Flight({100, 29, 0, std::nullopt, std::nullopt, Hand::Left}).landing().directionDegrees, -1.0);
    // Backspin carries: the same ball without it falls far shorter.
    EXPECT_GT(Flight(backspinOnly(100, 29, 2500)).landing().distanceFt,
              Flight(backspinOnly(100, 29, 0)).landing().distanceFt + 40.0);
}

TEST(Flight, PathBetweenStepsPassesThroughTheSamples) {
    const Flight flight(kVariedBalls[1]);
    const auto& samples = flight.samples();
    EXPECT_EQ(samples.front().position, (Vector3{0.0, 2.0, 3.0}));
    EXPECT_EQ(samples.back().position.z, 0.0);
    for (std::size_t i = 0; i < samples.size(); i += 17) {
        const Vector3 at = flight.positionAt(samples[i].seconds);
        EXPECT_NEAR(at.x, samples[i].position.x, 1e-9);
        EXPECT_NEAR(at.z, samples[i].position.z, 1e-9);
    }
    EXPECT_EQ(flight.positionAt(1e9), samples.back().position);
}

TEST(Flight, SameBitsOnEveryPlatform) {
    // Every figure of 1,200 flights in three airs, folded into one hash of their bits: the Windows build
    // (run under Wine) must fold the same, or the exports would differ in the last printed digit.
    std::uint64_t hash = 1469598103934665603u;
    const auto fold = [&](double value) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        hash = (hash ^ bits) * 1099511628211u;
    };
    for (const Conditions& air :
         {Conditions::neutral(), Conditions{95, 5280, 20, 15, 135}, Conditions{40, -200, 90, 7, -30}})
        for (double speed = 60; speed <= 120; speed += 12.5)
            for (double angle = -5; angle <= 60; angle += 8.5)
                for (double direction = -50; direction <= 50; direction += 11.7)
                    for (const Hand hand : {Hand::Left, Hand::Right}) {
                        const Landing landing =
                            Flight({speed, angle, direction, std::nullopt, std::nullopt, hand}, air)
                                .landing();
                        for (const double figure : {landing.distanceFt, landing.hangTimeSeconds,
                                                    landing.apexFt, landing.directionDegrees})
                            fold(figure);
                    }
    EXPECT_EQ(hash, 0x02fc9e8a1dd6a6d9u) << std::hex << hash;
}

TEST(PortableMath, AgreesWithTheCLibrary) {
    // The same values as the C library to within a few units in the last place, on angles and
    // arguments across the ranges the flight uses.
    for (int k = -7200; k <= 7200; k += 7) {
        const double degrees = k / 19.0;
        const double radians = degrees * std::numbers::pi / 180.0;
        ASSERT_NEAR(portable::sinDegrees(degrees), std::sin(radians), 2e-15) << degrees;
        ASSERT_NEAR(portable::cosDegrees(degrees), std::cos(radians), 2e-15) << degrees;
        const double x = std::sin(k * 0.37) * 500.0;
        const double y = std::cos(k * 0.53) * 500.0;
        ASSERT_NEAR(portable::directionDegrees(x, y), std::atan2(x, y) * 180.0 / std::numbers::pi, 1e-12);
        const double e = k / 400.0;
        ASSERT_NEAR(portable::exp(e) / std::exp(e), 1.0, 1e-15) << e;
        const double positive = std::exp(e);
        ASSERT_NEAR(portable::log(positive), std::log(positive), 1e-14) << positive;
    }
    EXPECT_DOUBLE_EQ(portable::pow(0.99, 5.25588), std::pow(0.99, 5.25588));
    EXPECT_EQ(portable::directionDegrees(0.0, 0.0), 0.0);
    EXPECT_EQ(portable::directionDegrees(0.0, -1.0), 180.0);
}

TEST(Ball, NamesTheFirstValueOutOfRange) {
    struct Case {
        Ball ball;
        const char* field; // "" for a ball that can fly
    };
    const Case cases[] = {
        {{100, 29, 0}, ""},
        {{0, 90, -180, -10000.0, 10000.0}, ""},
        {{-1, 29, 0}, "speed"},
        {{200.5, 29, 0}, "speed"},
        {{NAN, 29, 0}, "speed"},
        {{100, 90.1, 0}, "angle"},
        {{100, 29, INFINITY}, "direction"},
        {{100, 29, 0, 10001.0}, "backspin"},
        {{100, 29, 0, std::nullopt, -10001.0}, "sidespin"},
    };
    for (const Case& c : cases) {
        const auto problem = c.ball.problem();
        EXPECT_EQ(problem ? std::string(problem->field) : "", c.field) << c.ball.speedMph;
    }
    EXPECT_EQ(Conditions({70, 0, 101, 0, 0}).problem()->field, "humidity");
    EXPECT_EQ(Conditions({70, 0, 50, -1, 0}).problem()->field, "wind");
    EXPECT_FALSE(Conditions::neutral().problem());
}

} // namespace
} // namespace vendrix::flight
