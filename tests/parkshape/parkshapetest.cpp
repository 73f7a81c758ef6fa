// The park outline geometry: the wall curve, the fair area, what cannot be drawn.
#include "parkshape/parkshape.h"

#include "parkshape/fencecurve.h"
#include "parkshape/seasonshapes.h"
#include "seasonmaker.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <random>

namespace vendrix::parkshape {
namespace {

FenceMeasures park(std::array<int, 7> distance, std::array<int, 7> height = {10, 10, 10, 10, 10, 10, 10}) {
    return {distance, height};
}

// Half the integral of r^2 over the 90 degrees by a fine midpoint sum: slow, plain, independent of
// the Gauss rule the shape uses.
double bruteArea(const ParkShape& shape) {
    constexpr int steps = 90'000;
    double sum = 0.0;
    for (int k = 0; k < steps; ++k) {
        const double r = shape.distanceAt(-45.0 + 90.0 * (k + 0.5) / steps);
        sum += r * r;
    }
    return sum * (std::numbers::pi / 2.0 / steps) / 2.0;
}

TEST(ParkShape, SevenEqualDistancesGiveAQuarterCircle) {
    for (int r : {1, 90, 330, 999}) {
        const ParkShape shape(park({r, r, r, r, r, r, r}));
        ASSERT_TRUE(shape.fairAreaSquareFeet());
        EXPECT_NEAR(*shape.fairAreaSquareFeet(), std::numbers::pi * r * r / 4.0,
                    std::numbers::pi * r * r / 4e3);
        for (const PlanePoint p : shape.wall(8))
            EXPECT_NEAR(std::hypot(p.x, p.y), r, 1e-9 * r);
    }
}

TEST(ParkShape, PointsLieOnTheirRaysFromLeftToRightFieldLine) {
    const ParkShape shape(park({330, 370, 390, 400, 385, 365, 325}));
    const auto& points = shape.points();
    EXPECT_NEAR(points[0].at.x, -330 / std::numbers::sqrt2, 1e-9); // LFL on the left foul line
    EXPECT_NEAR(points[0].at.y, 330 / std::numbers::sqrt2, 1e-9);
    EXPECT_NEAR(points[3].at.x, 0.0, 1e-9); // CF straight up
    EXPECT_NEAR(points[3].at.y, 400.0, 1e-9);
    EXPECT_NEAR(points[6].at.x, 325 / std::numbers::sqrt2, 1e-9); // RFL on the right foul line
    const auto wall = shape.wall(4);
    ASSERT_EQ(wall.size(), 25u);
    for (int i = 0; i < 7; ++i) { // the wall passes through every measured point
        EXPECT_NEAR(wall[4 * i].x, points[i].at.x, 1e-9);
        EXPECT_NEAR(wall[4 * i].y, points[i].at.y, 1e-9);
    }
}

// On random parks, including sharp corners and flat runs: between two points the wall stays within
// their distances, and the area matches a brute-force integral to 0.1%.
TEST(ParkShape, RandomParksStayWithinNeighboursAndAreaIsAccurate) {
    std::mt19937 random(20310);
    std::uniform_int_distribution<int> distance(1, 999);
    std::uniform_int_distribution<int> nearby(-3, 3);
    for (int trial = 0; trial < 400; ++trial) {
        std::array<int, 7> d{};
        for (int& value : d)
            value = trial % 2 ? distance(random) : std::clamp(350 + 20 * nearby(random), 1, 999);
        const ParkShape shape(park(d));
        for (int i = 0; i < 6; ++i) {
            const double low = std::min(d[i], d[i + 1]);
            const double high = std::max(d[i], d[i + 1]);
            for (int k = 0; k <= 30; ++k) {
                const double r = shape.distanceAt(-45.0 + 15.0 * i + 15.0 * k / 30);
                ASSERT_GE(r, low - 1e-9) << "trial " << trial << " interval " << i;
                ASSERT_LE(r, high + 1e-9) << "trial " << trial << " interval " << i;
            }
        }
        const double area = *shape.fairAreaSquareFeet();
        const double brute = bruteArea(shape); // slow on purpose: once a trial
        ASSERT_NEAR(area, brute, brute * 1e-3) << "trial " << trial;
        ASSERT_EQ(ParkShape::fairAreaOf(park(d)), area) << "the export's area is the drawing's";
    }
}

TEST(ParkShape, SymmetricParkGivesSymmetricFigure) {
    const ParkShape shape(park({318, 360, 385, 410, 385, 360, 318}, {37, 12, 8, 8, 8, 12, 37}));
    for (double a = 0.0; a <= 45.0; a += 0.37) {
        EXPECT_NEAR(shape.distanceAt(a), shape.distanceAt(-a), 1e-9);
        EXPECT_NEAR(shape.heightAt(a), shape.heightAt(-a), 1e-9);
    }
    const auto wall = shape.wall(6);
    for (std::size_t k = 0; k < wall.size(); ++k) {
        EXPECT_NEAR(wall[k].x, -wall[wall.size() - 1 - k].x, 1e-9);
        EXPECT_NEAR(wall[k].y, wall[wall.size() - 1 - k].y, 1e-9);
    }
}

// Distances outside 1..999 (zero, negative, the int16 extremes) give no area and no wall; the
// points that cannot be drawn are marked and still stand on their rays within the drawing.
TEST(ParkShape, NonsenseDistancesGiveNoAreaAndMarkTheirPoints) {
    for (int bad : {0, -1, 1000, 32767, -32768}) {
        std::array<int, 7> d{330, 370, 390, 400, 385, 365, 325};
        d[2] = bad;
        const ParkShape shape(park(d, {0, 255, 0, 255, 0, 255, 0}));
        EXPECT_FALSE(shape.isDrawable());
        EXPECT_FALSE(shape.fairAreaSquareFeet());
        EXPECT_FALSE(ParkShape::fairAreaOf(park(d)));
        EXPECT_TRUE(shape.wall(8).empty());
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(shape.points()[i].drawable, i != 2);
            EXPECT_LE(std::hypot(shape.points()[i].at.x, shape.points()[i].at.y), 999.0 + 1e-9);
        }
    }
}

TEST(SeasonShapes, AverageIsTheLeagueAveragesAndTheScaleTheDrawableParks) {
    EXPECT_FALSE(SeasonShapes::of(test::seasonOf({})).average);
    EXPECT_EQ(SeasonShapes::of(test::seasonOf({})).extentFeet, kDefaultExtentFeet);
    std::vector<season::ParkRecord> parks(3, test::parkRecord("Park"));
    parks[0].fenceDistance = {300, 350, 380, 400, 380, 350, 300};
    parks[1].fenceDistance = {340, 370, 400, 440, 400, 370, 340};
    parks[1].fenceHeight[3] = 14;
    // Not drawable, and a wall that cannot be real: the points that can be real still count.
    parks[2].fenceDistance = {300, 350, -1, 4000, 380, 350, 301};
    parks[2].fenceHeight[3] = 200;
    const SeasonShapes shapes = SeasonShapes::of(test::seasonOf(parks));
    ASSERT_TRUE(shapes.average);
    EXPECT_EQ(shapes.average->distance, (std::array<int, 7>{313, 357, 390, 420, 387, 357, 314}));
    EXPECT_EQ(shapes.average->height[3], 12); // 10 and 14; the 200 ft wall is left out
    EXPECT_EQ(shapes.extentFeet, 440.0);
    EXPECT_EQ(shapes.averageName(), "League average of 2 to 3 parks");
}

} // namespace
} // namespace vendrix::parkshape
