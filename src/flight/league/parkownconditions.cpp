#include "parkownconditions.h"

namespace vendrix::flight {

std::optional<Conditions> ParkOwnConditions::of(std::uint8_t avgTempCode, std::uint8_t windSpeedCode) {
    if (avgTempCode >= kTemperatureF.size() || windSpeedCode >= kWindMph.size())
        return std::nullopt;
    return Conditions{kTemperatureF[avgTempCode], kAltitudeFt, kHumidityPct, kWindMph[windSpeedCode],
                      kWindFromDegrees};
}

} // namespace vendrix::flight
