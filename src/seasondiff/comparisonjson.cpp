#include "comparisonjson.h"

#include "comparisontext.h"
#include "parkjson/jsonwriter.h"
#include "parkjson/parkvalues.h"

namespace vendrix::seasondiff {

namespace {

using parkjson::JsonWriter;
namespace col = parktable::col;

void writeSeason(JsonWriter& writer, const ComparedSeason& season) {
    writer.beginObject();
    writer.key("league");
    writer.windows1252String(parkjson::trimBlanks(season.league));
    writer.key("season");
    writer.windows1252String(parkjson::trimBlanks(season.season));
    writer.endObject();
}

void writeParkName(JsonWriter& writer, const parktable::ParkTable& table, int row) {
    writer.windows1252String(parkjson::trimBlanks(table.cell(row, col::parkName)));
}

// {"park": name, "row": n}: a park only one season has, with its number there.
void writeOnlyInOne(JsonWriter& writer, const parktable::ParkTable& table, const ParkPlace& place) {
    writer.beginObject();
    writer.key("park");
    writeParkName(writer, table, place.row);
    writer.key("row");
    writer.integer(parkNumber(place.row));
    writer.endObject();
}

void writeValue(JsonWriter& writer, int column, const std::string& text) {
    if (column == col::teamName) {
        if (text.empty())
            writer.null();
        else
            writer.windows1252String(text);
        return;
    }
    if (column < col::firstAttribute) {
        if (const auto number = parkjson::cellNumber(text)) {
            writer.integer(*number);
            return;
        }
    }
    writer.windows1252String(text);
}

} // namespace

std::string changeKey(int column) {
    if (column == col::teamName)
        return "team";
    static const auto keys = parkjson::parkValueKeys();
    for (const parkjson::ParkValueKey& key : keys)
        if (key.column == column)
            return key.group.empty() ? std::string(key.member)
                                     : std::string(key.group) + "." + std::string(key.member);
    return std::to_string(column);
}

std::string comparisonJson(const SeasonComparison& comparison, const ComparedSeason& oldSeason,
                           const ComparedSeason& newSeason) {
    std::string json;
    JsonWriter writer(json);
    writer.beginObject(JsonWriter::Layout::OneMemberPerLine);
    writer.key("old");
    writeSeason(writer, oldSeason);
    writer.key("new");
    writeSeason(writer, newSeason);
    writer.key("added");
    writer.beginArray();
    for (const ParkPlace& place : comparison.added)
        writeOnlyInOne(writer, newSeason.table, place);
    writer.endArray();
    writer.key("removed");
    writer.beginArray();
    for (const ParkPlace& place : comparison.removed)
        writeOnlyInOne(writer, oldSeason.table, place);
    writer.endArray();
    writer.key("changed");
    writer.beginArray(JsonWriter::Layout::OneMemberPerLine);
    for (const ParkChange& park : comparison.changed) {
        writer.beginObject();
        writer.key("park");
        writeParkName(writer, newSeason.table, park.place.row);
        writer.key("old_row");
        writer.integer(parkNumber(park.oldRow));
        writer.key("new_row");
        writer.integer(parkNumber(park.place.row));
        writer.key("changes");
        writer.beginObject();
        for (const ValueChange& change : park.changes) {
            writer.key(changeKey(change.column));
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
