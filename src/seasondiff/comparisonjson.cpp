#include "comparisonjson.h"

#include "comparisontext.h"
#include "model/columns.h"
#include "model/parknames.h"
#include "parkjson/jsonwriter.h"

namespace vendrix::seasondiff {

namespace {

using parkjson::JsonWriter;
namespace col = model::col;

void writeSeason(JsonWriter& writer, const ComparedSeason& season) {
    writer.beginObject();
    writer.key("league");
    writer.windows1252String(model::trimBlanks(season.league()));
    writer.key("season");
    writer.windows1252String(model::trimBlanks(season.seasonText()));
    writer.endObject();
}

void writeParkName(JsonWriter& writer, const model::Season& season, int row) {
    writer.windows1252String(season.parkAtRow(row).name());
}

// {"park": name, "row": n}: a park only one season has, with its number there.
void writeOnlyInOne(JsonWriter& writer, const model::Season& season, const ParkPlace& place) {
    writer.beginObject();
    writer.key(model::column(col::parkName).key);
    writeParkName(writer, season, place.row);
    writer.key("row");
    writer.integer(place.row);
    writer.endObject();
}

void writeValue(JsonWriter& writer, int column, const ComparedValue& value) {
    if (value.number)
        writer.integer(*value.number);
    else if (column == col::teamName && value.text.empty())
        writer.null();
    else
        writer.windows1252String(value.text);
}

} // namespace

std::string comparisonJson(const SeasonComparison& comparison, const ComparedSeason& oldSeason,
                           const ComparedSeason& newSeason) {
    std::string json;
    JsonWriter writer(json);
    writer.beginObject(JsonWriter::Layout::OneMemberPerLine);
    writer.key("old");
    writeSeason(writer, oldSeason);
    writer.key("new");
    writeSeason(writer, newSeason);
    writer.key("later");
    switch (laterSeason(oldSeason, newSeason)) {
    case LaterSeason::Old:
        writer.windows1252String("old");
        break;
    case LaterSeason::New:
        writer.windows1252String("new");
        break;
    case LaterSeason::Neither:
        writer.null();
        break;
    }
    writer.key("added");
    writer.beginArray();
    for (const ParkPlace& place : comparison.added)
        writeOnlyInOne(writer, newSeason.season, place);
    writer.endArray();
    writer.key("removed");
    writer.beginArray();
    for (const ParkPlace& place : comparison.removed)
        writeOnlyInOne(writer, oldSeason.season, place);
    writer.endArray();
    writer.key("changed");
    writer.beginArray(JsonWriter::Layout::OneMemberPerLine);
    for (const ParkChange& park : comparison.changed) {
        writer.beginObject();
        writer.key(model::column(col::parkName).key);
        writeParkName(writer, newSeason.season, park.place.row);
        writer.key("old_row");
        writer.integer(park.oldRow);
        writer.key("new_row");
        writer.integer(park.place.row);
        writer.key("changes");
        writer.beginObject();
        for (const ValueChange& change : park.changes) {
            writer.key(model::column(change.column).key);
            writer.beginArray();
            writeValue(writer, change.column, change.before);
            writeValue(writer, change.column, change.after);
            writer.endArray();
        }
        writer.endObject();
        writer.endObject();
    }
    writer.endArray();
    writer.endObject();
    json.push_back('\n');
    return json;
}

} // namespace vendrix::seasondiff
