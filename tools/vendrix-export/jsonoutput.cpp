#include "jsonoutput.h"

#include "flight/league/seasonshapefactors.h"
#include "model/viewcolumns.h"
#include "parkjson/seasonjson.h"
#include "season/windows1252.h"

#include <cmath>

namespace vendrix::exporter {

namespace {

// Each park's shape factors after the schema's own members: "shape_hr": {"lhb": 103.2, "rhb": 97.5},
// null for a park that counts for nothing, a hand's factor null when no park's walls are cleared.
parkjson::ParkExtraFields shapeFields(std::vector<std::optional<flight::ShapeFactor>> factors) {
    return [factors = std::move(factors)](const model::Park& park, parkjson::JsonWriter& writer) {
        writer.key(model::shapeFactorsKey());
        const std::optional<flight::ShapeFactor>& factor = factors[static_cast<std::size_t>(park.row() - 1)];
        if (!factor) {
            writer.null();
            return;
        }
        writer.beginObject();
        for (const int index : {model::viewcol::shapeLHB, model::viewcol::shapeRHB}) {
            writer.key(model::column(index).keyMember());
            const std::optional<double>& value =
                index == model::viewcol::shapeLHB ? factor->hrLhb : factor->hrRhb;
            if (value)
                writer.tenths(std::llround(*value * 10.0));
            else
                writer.null();
        }
        writer.endObject();
    };
}

} // namespace

std::string seasonJsonText(const model::Season& season, const parkquery::ParkFilter& filter) {
    const parkjson::ParkExtraFields extra =
        shapeFields(flight::seasonShapeFactors(flight::SeasonParks(season), flight::ShapeGrid()));
    if (filter.empty())
        return parkjson::seasonJson(season, extra);
    const std::vector<int> rows = filter.keptRows(season);
    return parkjson::seasonJson(season, rows, extra);
}

std::string inEncoding(std::string windows1252Text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8)
        return season::windows1252::toUtf8(windows1252Text);
    return windows1252Text;
}

} // namespace vendrix::exporter
