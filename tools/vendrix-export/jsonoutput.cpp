#include "jsonoutput.h"

#include "parkjson/seasonjson.h"
#include "parkshape/parkshape.h"
#include "parkshape/seasonshapes.h"
#include "season/windows1252.h"

#include <cmath>

namespace vendrix::exporter {

std::string seasonJsonText(const SeasonTable& season, const parkjson::ParkFilter& filter) {
    // Each park's fair territory in square feet, rounded; null for a park whose wall cannot be drawn.
    const auto fairArea = [&](int tableRow, parkjson::JsonWriter& writer) {
        writer.key("fair_area_sqft");
        if (const auto area =
                parkshape::ParkShape::fairAreaOf(parkshape::measuresOfRow(season.table, tableRow)))
            writer.integer(std::llround(*area));
        else
            writer.null();
    };
    if (filter.empty())
        return parkjson::seasonJson(season.table, {season.league, season.season}, fairArea);
    const std::vector<int> rows = filter.keptRows(season.table);
    return parkjson::seasonJson(season.table, {season.league, season.season}, rows, fairArea);
}

std::string inEncoding(std::string windows1252Text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8)
        return season::windows1252::toUtf8(windows1252Text);
    return windows1252Text;
}

} // namespace vendrix::exporter
