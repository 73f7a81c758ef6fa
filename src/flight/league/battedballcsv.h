#pragma once

#include "flight/ball.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vendrix::flight {

// A league's log of batted balls as CSV, one ball a line: speed (mph), angle, direction (degrees), and
// optionally backspin and sidespin (rpm) and the batter's hand (L or R). Fields are separated by
// commas and may stand in double quotes; blank lines, a UTF-8 byte-order mark and CR LF endings are
// taken in stride.
//   With a header: the first line that is not blank names the columns, in any order, among speed,
//     angle, direction, backspin, sidespin, hand (or the JSON's speed_mph, angle_deg, direction_deg,
//     backspin_rpm, sidespin_rpm, batter), in any case; speed, angle and direction are required. A
//     first line whose first field is a number is a ball, not a header.
//   Without one: the columns stand in the order above, 3 to 6 of them.
// An empty spin field takes the usual spin (Spin::typical); an empty or missing hand takes the
// caller's default.
struct BattedBall {
    int line = 0; // 1-based line in the file
    Ball ball;
};

// The first line the reader cannot take: its number, the offending text (a field, or the whole line
// when its shape is wrong; control bytes shown as '?' and cut at 60 bytes) and what is wrong with it.
struct BadBallLine {
    int line = 0;
    std::string value;
    std::string reason;

    // "line 7: \"-3\": speed must be 0 to 200 mph".
    std::string message() const;

    bool operator==(const BadBallLine&) const = default;
};

// Every ball of the file, or the first line that stops it (then no ball: a log is taken whole or not
// at all).
struct BattedBallFile {
    std::vector<BattedBall> balls;
    std::optional<BadBallLine> error;

    static BattedBallFile read(std::string_view text, Hand defaultHand = Hand::Right);
};

} // namespace vendrix::flight
