#include "shapegrid.h"

namespace vendrix::flight {

namespace {

std::vector<Flight> flown(Hand hand) {
    std::vector<Flight> flights;
    for (const Ball& ball : ShapeGrid::balls(hand))
        flights.emplace_back(ball);
    return flights;
}

} // namespace

std::vector<Ball> ShapeGrid::balls(Hand hand) {
    std::vector<Ball> balls;
    for (const double speed : kSpeedsMph)
        for (const double angle : kAnglesDegrees)
            for (const double direction : kRightHandedDirectionsDegrees) {
                const Ball right{speed, angle, direction, std::nullopt, std::nullopt, Hand::Right};
                balls.push_back(hand == Hand::Right ? right : right.mirrored());
            }
    return balls;
}

ShapeGrid::ShapeGrid() : left_(flown(Hand::Left)), right_(flown(Hand::Right)) {}

} // namespace vendrix::flight
