// Verdicts on parks built for them, checked against a brute-force walk along the path; the league's
// count, each park's own air and the shape factor.
#include "flight/league/carrytally.h"
#include "flight/league/parkownconditions.h"
#include "flight/league/parkverdict.h"
#include "flight/league/shapefactor.h"
#include "flight/portablemath.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace vendrix::flight {
namespace {

using parkshape::FenceMeasures;
using parkshape::ParkShape;

ParkShape roundPark(int distance, int height) {
    FenceMeasures m;
    m.distance.fill(distance);
    m.height.fill(height);
    return ParkShape(m);
}

ParkVerdict verdictOf(const Flight& flight, const ParkShape& park) {
    const auto verdict = ParkVerdict::of(flight, park);
    EXPECT_TRUE(verdict);
    return verdict.value_or(ParkVerdict{});
}

// The first moment the ball is as far out as the fence, by walking the path in steps of 1/2000 s: slow
// and plain, independent of the search the verdict makes.
struct Walked {
    bool crossed = false;
    Vector3 at;
};

Walked walk(const Flight& flight, const ParkShape& park) {
    const double hang = flight.landing().hangTimeSeconds;
    for (double t = 0.0; t <= hang; t += 0.0005) {
        const Vector3 p = flight.positionAt(t);
        const double direction = std::clamp(portable::directionDegrees(p.x, p.y), -45.0, 45.0);
        if (p.groundDistance() >= park.distanceAt(direction))
            return {true, p};
    }
    return {false, flight.landing().point};
}

TEST(ParkVerdict, RoundParkJudgesByTheHeightAtItsRadius) {
    const ParkShape park = roundPark(380, 12);
    struct Case {
        Ball ball;
        Verdict expected;
    };
    const Case cases[] = {
        {{108, 30, 0, 2500.0, 0.0}, Verdict::Out},
        {{100, 29, 20, std::nullopt, std::nullopt, Hand::Left}, Verdict::Out}, // curving on its way
        {{100, 20, -10, 1800.0, 0.0}, Verdict::Wall},
        {{92, 26, 0, 2300.0, 0.0}, Verdict::In},
        {{100, 29, 44, 2500.0, 0.0}, Verdict::Out}, // inside the line
        {{100, 29, 46, 2500.0, 0.0}, Verdict::Foul},
    };
    for (const Case& c : cases) {
        const Flight flight(c.ball);
        const ParkVerdict verdict = verdictOf(flight, park);
        EXPECT_EQ(verdict.verdict, c.expected) << c.ball.speedMph << " mph at " << c.ball.angleDegrees;
        EXPECT_DOUBLE_EQ(verdict.fenceDistanceFt, 380.0);
        EXPECT_DOUBLE_EQ(verdict.wallHeightFt, 12.0);
        const Walked walked = walk(flight, park);
        if (c.expected == Verdict::In) {
            EXPECT_FALSE(walked.crossed);
            EXPECT_NEAR(verdict.marginFt, 380.0 - flight.landing().distanceFt, 1e-9);
        } else {
            ASSERT_TRUE(walked.crossed);
            EXPECT_NEAR(verdict.heightAtFenceFt, walked.at.z, 0.05);
        }
        if (c.expected == Verdict::Out)
            EXPECT_NEAR(verdict.marginFt, verdict.heightAtFenceFt - 12.0, 1e-9);
    }
}

TEST(ParkVerdict, OneHighWallStopsWhatClearsTheRest) {
    FenceMeasures m;
    m.distance.fill(350);
    m.height = {10, 60, 10, 10, 10, 10, 10}; // a 60 ft wall in left field
    const ParkShape park(m);
    const Ball toLeft{100, 29, -30, 2500.0, 0.0};
    const ParkVerdict left = verdictOf(Flight(toLeft), park);
    const ParkVerdict right = verdictOf(Flight(toLeft.mirrored()), park);
    ASSERT_GT(left.heightAtFenceFt, 10.0);
    ASSERT_LT(left.heightAtFenceFt, 60.0);
    EXPECT_EQ(left.verdict, Verdict::Wall);
    // The ball leaves from 2 ft in front of the plate, so it meets the wall a little inside -30 degrees.
    EXPECT_NEAR(left.wallHeightFt, 60.0, 1.0);
    EXPECT_NEAR(left.marginFt, left.wallHeightFt - left.heightAtFenceFt, 1e-9);
    EXPECT_EQ(right.verdict, Verdict::Out);
    EXPECT_NEAR(right.marginFt, right.heightAtFenceFt - 10.0, 1e-9);
    EXPECT_NEAR(right.heightAtFenceFt, left.heightAtFenceFt, 1e-9);
    // Half way to the next point the wall is half way down, as the diagram colours it.
    EXPECT_NEAR(verdictOf(Flight({100, 29, -22.5, 2500.0, 0.0}), park).wallHeightFt, 35.0, 1.0);
}

TEST(ParkVerdict, FoulIsWhereTheBallLandsOrLeavesTheField) {
    const ParkShape deep = roundPark(600, 10);
    const ParkShape shallow = roundPark(300, 10);
    struct Case {
        const char* what;
        Ball ball;
        const ParkShape& park;
        Verdict expected;
    };
    const Case cases[] = {
        {"hooks foul before it lands", {100, 29, -40, 2500.0, 2500.0}, deep, Verdict::Foul},
        {"starts foul, hooks back fair, lands fair", {100, 29, -55, 2500.0, -3000.0}, deep, Verdict::In},
        {"passes the poles' distance over foul ground", {100, 29, -50, 2500.0, 0.0}, shallow, Verdict::Foul},
        {"over foul ground on the way, back fair at the fence",
         {100, 29, -48, 2500.0, -2500.0},
         shallow,
         Verdict::Out},
    };
    for (const Case& c : cases)
        EXPECT_EQ(verdictOf(Flight(c.ball), c.park).verdict, c.expected) << c.what;
    FenceMeasures undrawable;
    undrawable.distance = {330, 370, 0, 400, 390, 370, 330};
    EXPECT_FALSE(ParkVerdict::of(Flight({100, 29, 0}), ParkShape(undrawable)));
}

TEST(ParkVerdict, FindsTheFirstCrossingOnVariedParks) {
    // Random parks with corners and flat runs, balls of every kind: the verdict's crossing is the walk's,
    // and it does not move when the flight's step is cut to a quarter.
    std::mt19937 random(24);
    std::uniform_int_distribution<int> distance(250, 460);
    std::uniform_int_distribution<int> height(3, 40);
    const Ball balls[] = {{104, 28, -35}, {110, 32, 12, std::nullopt, std::nullopt, Hand::Left},
                          {96, 22, 40},   {115, 36, -5, 3000.0, -2500.0},
                          {101, 27, 0},   {120, 40, 25, std::nullopt, 4000.0}};
    for (int p = 0; p < 25; ++p) {
        FenceMeasures m;
        for (int i = 0; i < 7; ++i) {
            m.distance[i] = distance(random);
            m.height[i] = height(random);
        }
        const ParkShape park(m);
        for (const Ball& ball : balls) {
            const Flight flight(ball);
            const ParkVerdict verdict = verdictOf(flight, park);
            const ParkVerdict fine = verdictOf(Flight(ball, {}, Flight::kDefaultStepSeconds / 4), park);
            const Walked walked = walk(flight, park);
            const bool crossed = verdict.verdict == Verdict::Out || verdict.verdict == Verdict::Wall ||
                                 (verdict.verdict == Verdict::Foul && verdict.heightAtFenceFt > 0.0);
            ASSERT_EQ(crossed, walked.crossed) << "park " << p << ", " << ball.speedMph << " mph";
            if (crossed)
                EXPECT_NEAR(verdict.heightAtFenceFt, walked.at.z, 0.05) << "park " << p;
            EXPECT_EQ(fine.verdict, verdict.verdict);
            EXPECT_NEAR(fine.marginFt, verdict.marginFt, 0.01);
            EXPECT_NEAR(fine.heightAtFenceFt, verdict.heightAtFenceFt, 0.01);
        }
    }
}

TEST(ParkVerdict, WordsAndOrder) {
    struct Case {
        ParkVerdict verdict;
        const char* text;
    };
    const Case cases[] = {
        {{Verdict::Out, 12.4}, "Out by 12 ft"},  {{Verdict::Out, 0.2}, "Just out"},
        {{Verdict::Wall, 3.0}, "Off the wall"},  {{Verdict::In, 0.4}, "Just short"},
        {{Verdict::In, 29.6}, "Short by 30 ft"}, {{Verdict::Foul}, "Foul"},
    };
    double previous = INFINITY;
    for (const Case& c : cases) {
        EXPECT_EQ(c.verdict.text(), c.text);
        EXPECT_LE(c.verdict.carryKey(), previous) << c.text; // the table lists them surest first
        previous = c.verdict.carryKey();
    }
}

TEST(CarryTally, NamesTheParksWhenFew) {
    const auto name = [](int row) {
        return "P" + std::to_string(row);
    };
    const auto tally = [](int parks, int out) {
        CarryTally t;
        for (int row = 1; row <= parks; ++row)
            t.add(row, ParkVerdict{row <= out ? Verdict::Out : Verdict::In});
        t.add(parks + 1, std::nullopt); // a park that counts for nothing
        return t;
    };
    EXPECT_EQ(tally(32, 17).summary(name), "Out in 17 of 32 parks");
    EXPECT_EQ(tally(32, 2).summary(name), "Out in 2 of 32 parks: P1, P2");
    EXPECT_EQ(tally(30, 29).summary(name), "Out in 29 of 30 parks, not in P30");
    EXPECT_EQ(tally(30, 0).summary(name), "Out in 0 of 30 parks");
    EXPECT_EQ(tally(1, 1).summary(name), "Out in 1 of 1 park: P1");
    EXPECT_EQ(tally(0, 0).summary(name), "No park counts");
}

TEST(ParkOwnConditions, TurnsTheParksWordsIntoAir) {
    EXPECT_EQ(ParkOwnConditions::of(0, 0), (Conditions{95, 0, 50, 20, 180})); // Super Hot, Super Strong
    EXPECT_EQ(ParkOwnConditions::of(4, 5), (Conditions{70, 0, 50, 0, 180}));  // Comfortable, None
    EXPECT_FALSE(ParkOwnConditions::of(6, 0));                                // no word for the code
    EXPECT_FALSE(ParkOwnConditions::of(0, 9));
    // Hotter and windier carries further, code by code.
    const Ball ball{100, 29, 0};
    for (std::uint8_t code = 0; code + 1 < 6; ++code) {
        EXPECT_GT(Flight(ball, *ParkOwnConditions::of(code, 5)).landing().distanceFt,
                  Flight(ball, *ParkOwnConditions::of(code + 1, 5)).landing().distanceFt);
        EXPECT_GT(Flight(ball, *ParkOwnConditions::of(4, code)).landing().distanceFt,
                  Flight(ball, *ParkOwnConditions::of(4, code + 1)).landing().distanceFt);
    }
}

TEST(ShapeFactor, LeagueIsOneHundredAndDeeperParksLower) {
    const ShapeGrid grid;
    FenceMeasures usual{{330, 365, 385, 404, 385, 365, 330}, {10, 10, 10, 10, 10, 10, 10}};
    FenceMeasures shortLeft = usual;
    shortLeft.distance[0] = 300;
    shortLeft.distance[1] = 330;
    FenceMeasures deep = usual;
    for (int& d : deep.distance)
        d += 25;
    FenceMeasures undrawable = usual;
    undrawable.distance[3] = 1200;
    const std::vector<std::optional<ParkShape>> parks{ParkShape(usual), ParkShape(shortLeft), ParkShape(deep),
                                                      std::nullopt, ParkShape(undrawable)};
    const auto factors = ShapeFactor::ofParks(grid, parks);
    ASSERT_EQ(factors.size(), 5u);
    ASSERT_TRUE(factors[0] && factors[1] && factors[2]);
    EXPECT_FALSE(factors[3]);
    EXPECT_FALSE(factors[4]);
    EXPECT_NEAR(*factors[0]->hrLhb + *factors[1]->hrLhb + *factors[2]->hrLhb, 300.0, 1e-9);
    EXPECT_NEAR(*factors[0]->hrRhb + *factors[1]->hrRhb + *factors[2]->hrRhb, 300.0, 1e-9);
    EXPECT_LT(*factors[2]->hrRhb, *factors[0]->hrRhb);
    EXPECT_GT(factors[0]->shareRhb, 0.2); // the grid is one that fences decide, not all in or all out
    EXPECT_LT(factors[0]->shareRhb, 0.8);
    // A short left field helps the right-handed batter, who pulls there, more than the left-handed one;
    // the mirrored park helps the other hand exactly as much.
    EXPECT_GT(*factors[1]->hrRhb - *factors[0]->hrRhb, *factors[1]->hrLhb - *factors[0]->hrLhb);
    FenceMeasures shortRight = shortLeft;
    std::reverse(shortRight.distance.begin(), shortRight.distance.end());
    const std::vector<std::optional<ParkShape>> mirrored{ParkShape(usual), ParkShape(shortRight),
                                                         ParkShape(deep)};
    const auto mirror = ShapeFactor::ofParks(grid, mirrored);
    EXPECT_EQ(mirror[1]->shareLhb, factors[1]->shareRhb);
    EXPECT_EQ(mirror[1]->shareRhb, factors[1]->shareLhb);
    // No ball clears any wall: no factor.
    const std::vector<std::optional<ParkShape>> huge{roundPark(999, 10)};
    EXPECT_FALSE(ShapeFactor::ofParks(grid, huge)[0]->hrLhb);
}

} // namespace
} // namespace vendrix::flight
