#pragma once

#include "flight/conditions.h"

#include <array>
#include <cstdint>
#include <optional>

namespace vendrix::flight {

// "Each park's own" air: a park's Avg Temp and Wind Spd codes (as the park file holds them, the words
// of parktable's vocabulary) turned into numbers. The season files give no altitude, humidity or wind
// direction; every park is taken at sea level and 50 % humidity, with its wind blowing out from behind
// home plate towards centre field, the direction in which a park's wind is felt on its fly balls.
//   Avg Temp:  0 Super Hot 95 F, 1 Very Hot 88 F, 2 Hot 82 F, 3 Warm 76 F, 4 Comfortable 70 F, 5 Cold 55 F
//   Wind Spd:  0 Super Strong 20 mph, 1 Very Strong 15, 2 Strong 11, 3 Moderate 7, 4 Light 4, 5 None 0
class ParkOwnConditions {
public:
    static constexpr std::array<double, 6> kTemperatureF{95.0, 88.0, 82.0, 76.0, 70.0, 55.0};
    static constexpr std::array<double, 6> kWindMph{20.0, 15.0, 11.0, 7.0, 4.0, 0.0};
    static constexpr double kAltitudeFt = 0.0;
    static constexpr double kHumidityPct = 50.0;
    static constexpr double kWindFromDegrees = 180.0;

    // The park's air; none when either code has no word (the caller says so and counts the park for
    // nothing, or flies it in neutral air, as it decides).
    static std::optional<Conditions> of(std::uint8_t avgTempCode, std::uint8_t windSpeedCode);
};

} // namespace vendrix::flight
