#include "seasonjson.h"

#include "model/columns.h"
#include "model/leagueaverage.h"
#include "model/parknames.h"
#include "parkshape/parkshape.h"
#include "parkshape/seasonshapes.h"

#include <array>
#include <charconv>
#include <cmath>

namespace vendrix::parkjson {

namespace {

namespace col = model::col;
using model::Column;

// What stands before each column's value in a park object's members, from the year on: the key,
// and where a group begins or ends, its braces.
std::array<std::string, model::kColumnCount> memberPrefixes() {
    std::array<std::string, model::kColumnCount> prefixes;
    std::string_view openGroup;
    for (int index = col::year; index <= col::lastCaptioned; ++index) {
        const Column& column = model::column(index);
        const std::string_view group = column.keyGroup();
        std::string& prefix = prefixes[static_cast<std::size_t>(index)];
        if (!openGroup.empty() && group != openGroup)
            prefix += "}";
        if (!group.empty() && group != openGroup)
            prefix += ",\"" + std::string(group) + "\":{";
        else
            prefix += ",";
        prefix += "\"" + std::string(column.keyMember()) + "\":";
        openGroup = column.keyGroup();
    }
    return prefixes;
}

void appendNumber(std::string& out, std::int64_t value) {
    char digits[24];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, written.ptr);
}

// The members of a park's object that the schema fixes, as JSON text.
void appendParkMembers(std::string& out, const model::Park& park) {
    static const std::array<std::string, model::kColumnCount> prefixes = memberPrefixes();
    out += "\"row\":";
    appendNumber(out, park.row());
    out += ",\"park\":";
    JsonWriter::appendString(out, park.name());
    out += ",\"team\":";
    if (const auto team = model::normalisedTeam(park.team()))
        JsonWriter::appendString(out, *team);
    else
        out += "null";
    for (int index = col::year; index <= col::lastCaptioned; ++index) {
        out += prefixes[static_cast<std::size_t>(index)];
        if (const std::optional<int> number = park.number(index))
            appendNumber(out, *number);
        else
            JsonWriter::appendString(out, park.text(index));
    }
}

void writePark(JsonWriter& writer, std::string& members, const model::Park& park,
               const ParkExtraFields& extraFields) {
    members.clear();
    appendParkMembers(members, park);
    writer.beginObject();
    writer.rawMembers(members);
    // Each park's fair territory in square feet, rounded; null for a park whose wall cannot be drawn.
    writer.key("fair_area_sqft");
    if (const auto area = parkshape::ParkShape::fairAreaOf(parkshape::measuresOf(park)))
        writer.integer(std::llround(*area));
    else
        writer.null();
    if (extraFields)
        extraFields(park, writer);
    writer.endObject();
}

// One member per averaged column, grouped as the parks' members are, each written by `value`.
void writeAveraged(JsonWriter& writer, const std::function<void(const Column&)>& value) {
    writer.beginObject(JsonWriter::Layout::OneMemberPerLine);
    std::string_view openGroup;
    for (const Column& column : model::columns()) {
        if (!column.averaged)
            continue;
        if (column.keyGroup() != openGroup) {
            if (!openGroup.empty())
                writer.endObject();
            writer.key(column.keyGroup());
            writer.beginObject();
            openGroup = column.keyGroup();
        }
        writer.key(column.keyMember());
        value(column);
    }
    if (!openGroup.empty())
        writer.endObject();
    writer.endObject();
}

std::string writeSeason(const model::Season& season, const std::span<const int>* rows,
                        const ParkExtraFields& extraFields) {
    std::string json;
    constexpr std::size_t kTypicalParkBytes = 720;
    const std::size_t parks = rows != nullptr ? rows->size() : static_cast<std::size_t>(season.parkCount());
    json.reserve(parks * kTypicalParkBytes + 2048);
    JsonWriter writer(json);
    writer.beginObject(JsonWriter::Layout::OneMemberPerLine);
    writer.key("league");
    writer.windows1252String(model::trimBlanks(season.league()));
    writer.key("season");
    writer.windows1252String(model::trimBlanks(season.seasonText()));
    writer.key("parks");
    writer.beginArray(JsonWriter::Layout::OneMemberPerLine);
    std::string members;
    if (rows == nullptr) {
        for (const model::Park& park : season.parks())
            writePark(writer, members, park, extraFields);
    } else {
        for (const int row : *rows)
            writePark(writer, members, season.parkAtRow(row), extraFields);
    }
    writer.endArray();
    const model::LeagueAverages averages(season);
    writer.key("league_average");
    if (season.parkCount() == 0) {
        writer.null();
    } else {
        writeAveraged(writer, [&](const Column& column) {
            if (const model::LeagueAverage& average = averages.of(column.index); average.exists())
                writer.tenths(average.tenths());
            else
                writer.null();
        });
    }
    writer.key("league_average_parks");
    if (season.parkCount() == 0)
        writer.null();
    else
        writeAveraged(writer,
                      [&](const Column& column) { writer.integer(averages.of(column.index).taken()); });
    writer.endObject();
    json.push_back('\n');
    return json;
}

} // namespace

std::string seasonJson(const model::Season& season, const ParkExtraFields& extraFields) {
    return writeSeason(season, nullptr, extraFields);
}

std::string seasonJson(const model::Season& season, std::span<const int> rows,
                       const ParkExtraFields& extraFields) {
    return writeSeason(season, &rows, extraFields);
}

} // namespace vendrix::parkjson
