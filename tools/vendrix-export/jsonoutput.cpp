#include "jsonoutput.h"

#include "parkjson/seasonjson.h"
#include "parkshape/parkshape.h"
#include "parkshape/seasonshapes.h"
#include "season/windows1252.h"

#include <cmath>

namespace vendrix::exporter {

std::string seasonJsonText(const SeasonTable& season) {
    // Each park's fair territory in square feet, rounded; null for a park whose wall cannot be drawn.
    const auto fairArea = [&](int tableRow, parkjson::JsonWriter& writer) {
        writer.key("fair_area_sqft");
        if (const auto area =
                parkshape::ParkShape::fairAreaOf(parkshape::measuresOfRow(season.table, tableRow)))
            writer.integer(std::llround(*area));
        else
            writer.null();
    };
    return parkjson::seasonJson(season.table, {season.league, season.season}, fairArea);
}

std::string inEncoding(std::string windows1252Text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8)
        return season::windows1252::toUtf8(windows1252Text);
    return windows1252Text;
}

} // namespace vendrix::exporter
