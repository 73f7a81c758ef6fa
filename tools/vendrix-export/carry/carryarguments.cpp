#include "carryoptions.h"
#include "exportoptions.h"

#include <charconv>
#include <cmath>
#include <map>
#include <variant>

namespace vendrix::exporter {

namespace {

// A number as the user typed it: a whole or decimal number, nothing around it.
std::optional<double> numberOf(const std::string& text) {
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Reads each number given into its place; the texts as given, by the field names the ball and the air
// use, for the message about a value out of range.
class Numbers {
public:
    std::optional<std::string> read(const char* field, const std::optional<std::string>& text, double& into) {
        if (!text)
            return std::nullopt;
        const std::optional<double> value = numberOf(*text);
        if (!value)
            return std::string("--") + field + " needs a number, not " + *text;
        into = *value;
        given_[field] = *text;
        return std::nullopt;
    }
    std::optional<std::string> read(const char* field, const std::optional<std::string>& text,
                                    std::optional<double>& into) {
        double value = 0.0;
        if (auto fault = read(field, text, value))
            return fault;
        if (text)
            into = value;
        return std::nullopt;
    }
    std::string told(const flight::ValueProblem& problem) const {
        const std::string field(problem.field);
        const auto given = given_.find(field);
        return "--" + field + " " + (given != given_.end() ? given->second : std::string()) + ": " + field +
               " " + problem.rule;
    }

private:
    std::map<std::string, std::string> given_;
};

std::optional<std::string> firstOf(std::initializer_list<std::optional<std::string>> faults) {
    for (const auto& fault : faults)
        if (fault)
            return fault;
    return std::nullopt;
}

} // namespace

std::optional<std::string> carryFault(const CarryArguments& arguments, CarryOptions& options) {
    if (arguments.folders.empty())
        return "no SEASON given";
    if (arguments.folders.size() > 1)
        return "one SEASON only, got " + arguments.folders[1] + " too";
    options.seasonFolder = arguments.folders.front();
    options.ballsFile = arguments.balls;
    options.jsonFile = arguments.json;
    options.csvFile = arguments.csv;
    if (options.jsonFile == kStandardOutput && options.csvFile == kStandardOutput)
        return "only one output can go to standard output (-)";

    const bool oneBall =
        arguments.speed || arguments.angle || arguments.direction || arguments.backspin || arguments.sidespin;
    if (arguments.balls && oneBall)
        return "--balls gives the balls: leave out --speed, --angle, --direction, --backspin and --sidespin";
    if (!arguments.balls && !(arguments.speed && arguments.angle && arguments.direction))
        return "carry needs --speed, --angle and --direction (or --balls FILE)";

    Numbers numbers;
    flight::Ball& ball = options.ball;
    if (auto fault = firstOf({numbers.read("speed", arguments.speed, ball.speedMph),
                              numbers.read("angle", arguments.angle, ball.angleDegrees),
                              numbers.read("direction", arguments.direction, ball.directionDegrees),
                              numbers.read("backspin", arguments.backspin, ball.backspinRpm),
                              numbers.read("sidespin", arguments.sidespin, ball.sidespinRpm)}))
        return fault;
    if (arguments.batter) {
        const std::optional<flight::Hand> hand = flight::handOf(*arguments.batter);
        if (!hand)
            return "--batter " + *arguments.batter + ": batter must be L or R";
        ball.batter = *hand;
    }
    if (!arguments.balls)
        if (const auto problem = ball.problem())
            return numbers.told(*problem);

    const bool airGiven = arguments.temperature || arguments.altitude || arguments.humidity ||
                          arguments.wind || arguments.windFrom;
    if (arguments.conditions && *arguments.conditions != "neutral" && *arguments.conditions != "park")
        return "--conditions needs neutral or park, not " + *arguments.conditions;
    if (arguments.conditions == "park") {
        if (airGiven)
            return "--conditions park takes each park's own air: leave out --temperature, --altitude, "
                   "--humidity, --wind and --wind-from";
        options.air = flight::Air::parksOwn();
        return std::nullopt;
    }
    if (arguments.wind.has_value() != arguments.windFrom.has_value())
        return "--wind and --wind-from go together: the wind's speed and the direction it blows from";
    flight::Conditions air = flight::Conditions::neutral();
    if (auto fault = firstOf({numbers.read("temperature", arguments.temperature, air.temperatureF),
                              numbers.read("altitude", arguments.altitude, air.altitudeFt),
                              numbers.read("humidity", arguments.humidity, air.humidityPct),
                              numbers.read("wind", arguments.wind, air.windMph),
                              numbers.read("wind-from", arguments.windFrom, air.windFromDegrees)}))
        return fault;
    if (const auto problem = air.problem())
        return numbers.told(*problem);
    options.air = flight::Air::of(air);
    return std::nullopt;
}

std::string carryUsageText() {
    return "Usage: vendrix-export carry SEASON --speed MPH --angle DEG --direction DEG\n"
           "                    [--backspin RPM] [--sidespin RPM] [--batter L|R]\n"
           "                    [--temperature F] [--altitude FT] [--humidity PCT]\n"
           "                    [--wind MPH --wind-from DEG] [--conditions neutral|park]\n"
           "                    [--json FILE] [--csv FILE] [--balls FILE.csv]\n"
           "\n"
           "Flies one fly ball against every park's fence of the season folder and says what it\n"
           "does in each: out (clears the wall), wall (reaches the fence below its top), in\n"
           "(comes down short of the fence) or foul. A park whose fence distances or walls\n"
           "cannot be real counts for nothing.\n"
           "\n"
           "  --speed MPH         the speed off the bat, 0 to 200 mph\n"
           "  --angle DEG         the launch angle above the ground, -90 to 90\n"
           "  --direction DEG     0 to centre field, -45 the left-field line, +45 the right-field line\n"
           "  --backspin RPM      the backspin, used as given (else the usual one for the launch)\n"
           "  --sidespin RPM      the sidespin, used as given: positive curves towards left field,\n"
           "                      0 flies straight (else the usual one for the launch and hand)\n"
           "  --batter L|R        the batter's hand (R when not given)\n"
           "  --temperature F     the air's temperature, -40 to 130 (70 when not given)\n"
           "  --altitude FT       the park's height above sea level, -1500 to 15000 (0)\n"
           "  --humidity PCT      relative humidity, 0 to 100 (50)\n"
           "  --wind MPH          the wind's speed, 0 to 100, with --wind-from (no wind)\n"
           "  --wind-from DEG     where the wind blows from: 0 centre field (blowing in),\n"
           "                      180 behind home plate (blowing out)\n"
           "  --conditions neutral|park\n"
           "                      neutral air (the default), or each park's own from its Avg Temp\n"
           "                      and Wind Spd, blowing out; not with the options of the air\n"
           "  --json FILE         the verdicts as UTF-8 JSON (the schema is in the README)\n"
           "  --csv FILE          the verdicts as CSV, one line per park\n"
           "  --balls FILE        a league's batted balls as CSV (speed, angle, direction, and\n"
           "                      optionally backspin, sidespin, hand): one JSON line per ball\n"
           "                      (to --json FILE, or standard output), the CSV one line per ball\n"
           "                      and park\n"
           "\n"
           "FILE - is standard output. With no --json or --csv the verdicts go to standard output\n"
           "as text.\n"
           "\n"
           "Exit status: 0 the verdicts were written; 1 the folder is not a complete season, has no\n"
           "usable park file, a file cannot be read or an output failed; 2 the command line is\n"
           "wrong or a value is out of its range, or a line of --balls cannot be taken.\n";
}

} // namespace vendrix::exporter
