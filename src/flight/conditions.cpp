#include "conditions.h"

#include "portablemath.h"
#include "units.h"

#include <cmath>

namespace vendrix::flight {

namespace {

bool within(double value, double low, double high) {
    return std::isfinite(value) && value >= low && value <= high;
}

constexpr double kSeaLevelPascal = 101325.0;
constexpr double kDryAirGasConstant = 287.058;      // J/(kg K)
constexpr double kWaterVapourGasConstant = 461.495; // J/(kg K)

} // namespace

double Conditions::airDensityKgPerCubicMetre() const {
    const double celsius = (temperatureF - 32.0) * 5.0 / 9.0;
    const double kelvin = celsius + 273.15;
    const double metres = altitudeFt * units::kMetresPerFoot;
    const double pressure = kSeaLevelPascal * portable::pow(1.0 - 2.25577e-5 * metres, 5.25588);
    const double saturation = 610.78 * portable::exp(17.27 * celsius / (celsius + 237.3));
    const double vapour = humidityPct / 100.0 * saturation;
    return (pressure - vapour) / (kDryAirGasConstant * kelvin) + vapour / (kWaterVapourGasConstant * kelvin);
}

Vector3 Conditions::windFeetPerSecond() const {
    const double speed = windMph * units::kFeetPerSecondPerMph;
    return {-speed * portable::sinDegrees(windFromDegrees), -speed * portable::cosDegrees(windFromDegrees),
            0.0};
}

std::optional<ValueProblem> Conditions::problem() const {
    if (!within(temperatureF, -40.0, 130.0))
        return ValueProblem{"temperature", "must be -40 to 130 degrees F"};
    if (!within(altitudeFt, -1500.0, 15000.0))
        return ValueProblem{"altitude", "must be -1500 to 15000 ft"};
    if (!within(humidityPct, 0.0, 100.0))
        return ValueProblem{"humidity", "must be 0 to 100 %"};
    if (!within(windMph, 0.0, 100.0))
        return ValueProblem{"wind", "must be 0 to 100 mph"};
    if (!within(windFromDegrees, -360.0, 360.0))
        return ValueProblem{"wind-from", "must be -360 to 360 degrees"};
    return std::nullopt;
}

} // namespace vendrix::flight
