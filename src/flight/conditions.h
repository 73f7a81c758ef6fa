#pragma once

#include "valueproblem.h"
#include "vector3.h"

#include <optional>

namespace vendrix::flight {

// The air a ball flies through: temperature in degrees Fahrenheit, the park's altitude in feet above
// sea level (the pressure follows from it by the standard atmosphere), relative humidity in percent,
// and a steady horizontal wind: its speed in mph and the direction it blows FROM, in the field's
// angles seen from home plate (0 from centre field, blowing in; 180 from behind home plate, blowing
// out to centre field; -45 from the left-field corner, blowing towards the right-field side).
struct Conditions {
    double temperatureF = 70.0;
    double altitudeFt = 0.0;
    double humidityPct = 50.0;
    double windMph = 0.0;
    double windFromDegrees = 0.0;

    // 70 degrees F, sea level, 50 % humidity, no wind.
    static constexpr Conditions neutral() { return {}; }

    // Moist air's density in kg/m^3: the standard atmosphere's pressure at the altitude, the
    // saturation vapour pressure by the Magnus-Tetens formula, and dry air and water vapour as ideal
    // gases (about 1.194 at 70 degrees F, sea level and 50 %).
    double airDensityKgPerCubicMetre() const;

    // The wind's velocity in feet per second, along the ground.
    Vector3 windFeetPerSecond() const;

    // The first value outside its range (temperature -40 to 130 F, altitude -1,500 to 15,000 ft,
    // humidity 0 to 100 %, wind 0 to 100 mph from -360 to 360 degrees, every value finite); none when
    // a ball can fly in it.
    std::optional<ValueProblem> problem() const;

    constexpr bool operator==(const Conditions&) const = default;
};

} // namespace vendrix::flight
