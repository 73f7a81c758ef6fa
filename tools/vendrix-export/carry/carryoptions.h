#pragma once

#include "flight/ball.h"
#include "flight/league/seasoncarry.h"

#include <optional>
#include <string>
#include <vector>

namespace vendrix::exporter {

// What `vendrix-export carry` is asked for: one fly ball (or a log of them) against every park of a
// season, in the air chosen.
struct CarryOptions {
    std::string seasonFolder;
    flight::Ball ball; // the ball of --speed, --angle, ...; the default hand with --balls
    flight::Air air = flight::Air::of(flight::Conditions::neutral());
    std::optional<std::string> ballsFile; // a league's batted balls as CSV, one JSON line each
    std::optional<std::string> jsonFile;
    std::optional<std::string> csvFile;
};

// The carry command's option values as the command line gives them (each given at most once), to
// be checked and made into CarryOptions.
struct CarryArguments {
    std::vector<std::string> folders;
    std::optional<std::string> speed, angle, direction, backspin, sidespin, batter;
    std::optional<std::string> temperature, altitude, humidity, wind, windFrom, conditions;
    std::optional<std::string> balls, json, csv;
};

// The options, or what is wrong with them: a value that is no number or lies outside its range
// names the option and the value as given ("--speed -3: speed must be 0 to 200 mph").
std::optional<std::string> carryFault(const CarryArguments& arguments, CarryOptions& options);

std::string carryUsageText();

} // namespace vendrix::exporter
