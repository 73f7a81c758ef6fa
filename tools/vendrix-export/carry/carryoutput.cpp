#include "carryoutput.h"

#include "model/parknames.h"
#include "parkjson/jsonwriter.h"
#include "season/windows1252.h"

#include <cmath>
#include <cstdio>

namespace vendrix::exporter {

namespace {

using parkjson::JsonWriter;

std::int64_t tenthsOf(double value) {
    return std::llround(value * 10.0);
}

// "12.3": the JSON's and the CSV's numbers.
std::string decimal(double value) {
    const std::int64_t tenths = tenthsOf(value);
    const std::uint64_t magnitude = tenths < 0 ? 0 - static_cast<std::uint64_t>(tenths) : tenths;
    return (tenths < 0 ? "-" : "") + std::to_string(magnitude / 10) + "." + std::to_string(magnitude % 10);
}

// The measures of a verdict, none where it has none: no height where the ball came down before the
// fence, no margin for a foul ball.
struct Measures {
    std::optional<double> fence, wall, height, margin;

    static Measures of(const flight::ParkVerdict& verdict) {
        Measures m{verdict.fenceDistanceFt, verdict.wallHeightFt, std::nullopt, std::nullopt};
        if (verdict.reachedFence)
            m.height = verdict.heightAtFenceFt;
        if (verdict.verdict != flight::Verdict::Foul)
            m.margin = verdict.marginFt;
        return m;
    }
};

void number(JsonWriter& writer, std::string_view key, const std::optional<double>& value) {
    writer.key(key);
    if (value)
        writer.tenths(tenthsOf(*value));
    else
        writer.null();
}

void writeBall(JsonWriter& writer, const flight::Ball& ball) {
    const flight::Spin spin = ball.spin();
    writer.key("ball");
    writer.beginObject();
    number(writer, "speed_mph", ball.speedMph);
    number(writer, "angle_deg", ball.angleDegrees);
    number(writer, "direction_deg", ball.directionDegrees);
    number(writer, "backspin_rpm", spin.backspinRpm);
    number(writer, "sidespin_rpm", spin.sidespinRpm);
    writer.key("batter");
    writer.windows1252String(flight::letterOf(ball.batter));
    writer.endObject();
}

void writeConditions(JsonWriter& writer, const flight::Air& air) {
    writer.key("conditions");
    if (air.isParksOwn()) {
        writer.windows1252String("park");
        return;
    }
    const flight::Conditions& c = *air.everywhere;
    writer.beginObject();
    number(writer, "temperature_f", c.temperatureF);
    number(writer, "altitude_ft", c.altitudeFt);
    number(writer, "humidity_pct", c.humidityPct);
    number(writer, "wind_mph", c.windMph);
    number(writer, "wind_from_deg", c.windFromDegrees);
    writer.endObject();
}

void writeFlight(JsonWriter& writer, const flight::Landing& landing) {
    writer.key("flight");
    writer.beginObject();
    number(writer, "distance_ft", landing.distanceFt);
    number(writer, "hang_time_s", landing.hangTimeSeconds);
    number(writer, "apex_ft", landing.apexFt);
    number(writer, "landing_direction_deg", landing.directionDegrees);
    writer.endObject();
}

void writePark(JsonWriter& writer, const model::Park& park,
               const std::optional<flight::ParkVerdict>& verdict) {
    writer.beginObject();
    writer.key("row");
    writer.integer(park.row());
    writer.key("park");
    writer.windows1252String(park.name());
    writer.key("verdict");
    if (verdict)
        writer.windows1252String(flight::wordOf(verdict->verdict));
    else
        writer.null();
    const Measures m = verdict ? Measures::of(*verdict) : Measures{};
    number(writer, "fence_distance_ft", m.fence);
    number(writer, "wall_height_ft", m.wall);
    number(writer, "height_at_fence_ft", m.height);
    number(writer, "margin_ft", m.margin);
    writer.endObject();
}

std::string csvField(const std::optional<double>& value) {
    return value ? decimal(*value) : std::string();
}

std::string csvQuoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        out.push_back(c);
        if (c == '"')
            out.push_back('"');
    }
    return out + "\"";
}

// Pads UTF-8 text with blanks to `width` characters.
std::string padded(std::string text, std::size_t width) {
    std::size_t characters = 0;
    for (const char c : text)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    if (characters < width)
        text.append(width - characters, ' ');
    return text;
}

std::string rightAligned(const std::string& text, std::size_t width) {
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

std::string airText(const flight::Air& air) {
    if (air.isParksOwn())
        return "each park's own (its Avg Temp and Wind Spd, blowing out; sea level, 50 % humidity)";
    const flight::Conditions& c = *air.everywhere;
    std::string text = decimal(c.temperatureF) + " F, " + decimal(c.altitudeFt) + " ft above sea level, " +
                       decimal(c.humidityPct) + " % humidity, ";
    if (c.windMph == 0.0)
        return text + "no wind";
    return text + "wind " + decimal(c.windMph) + " mph from " + decimal(c.windFromDegrees) + " degrees";
}

} // namespace

std::string carryJson(const model::Season& season, const flight::SeasonCarry& carry, bool oneLine) {
    std::string json;
    json.reserve(static_cast<std::size_t>(season.parkCount()) * 160 + 512);
    JsonWriter writer(json);
    writer.beginObject(oneLine ? JsonWriter::Layout::Inline : JsonWriter::Layout::OneMemberPerLine);
    writeBall(writer, carry.open().ball());
    writeConditions(writer, carry.air());
    writeFlight(writer, carry.open().landing());
    writer.key("parks");
    writer.beginArray(oneLine ? JsonWriter::Layout::Inline : JsonWriter::Layout::OneMemberPerLine);
    for (const model::Park& park : season.parks())
        writePark(writer, park, carry.verdictAt(park.row()));
    writer.endArray();
    writer.key("out_count");
    writer.integer(static_cast<std::int64_t>(carry.tally().outCount()));
    writer.key("park_count");
    writer.integer(static_cast<std::int64_t>(carry.tally().parkCount()));
    writer.endObject();
    json.push_back('\n');
    return json;
}

std::string carryCsvHeader(bool withBallLine) {
    return std::string(withBallLine ? "line," : "") +
           "row,park,verdict,fence_distance_ft,wall_height_ft,height_at_fence_ft,margin_ft\r\n";
}

void appendCarryCsv(std::string& out, const model::Season& season, const flight::SeasonCarry& carry,
                    std::optional<int> ballLine) {
    for (const model::Park& park : season.parks()) {
        const std::optional<flight::ParkVerdict>& verdict = carry.verdictAt(park.row());
        const Measures m = verdict ? Measures::of(*verdict) : Measures{};
        if (ballLine)
            out += std::to_string(*ballLine) + ",";
        out += std::to_string(park.row()) + "," + csvQuoted(season::windows1252::toUtf8(park.name())) + "," +
               (verdict ? std::string(flight::wordOf(verdict->verdict)) : std::string()) + "," +
               csvField(m.fence) + "," + csvField(m.wall) + "," + csvField(m.height) + "," +
               csvField(m.margin) + "\r\n";
    }
}

std::string carryText(const model::Season& season, const flight::SeasonCarry& carry) {
    const flight::Ball& ball = carry.open().ball();
    const flight::Spin spin = ball.spin();
    const flight::Landing& landing = carry.open().landing();
    const model::Namesakes namesakes(season);
    std::string text = "Fly ball: " + decimal(ball.speedMph) + " mph at " + decimal(ball.angleDegrees) +
                       " degrees, direction " + decimal(ball.directionDegrees) + ", backspin " +
                       decimal(spin.backspinRpm) + " rpm, sidespin " + decimal(spin.sidespinRpm) + " rpm, " +
                       (ball.batter == flight::Hand::Left ? "left" : "right") + "-handed batter\n";
    text += "Air: " + airText(carry.air()) + "\n";
    text += std::string("In the open") + (carry.air().isParksOwn() ? " (neutral air)" : "") + ": " +
            decimal(landing.distanceFt) + " ft, " + decimal(landing.hangTimeSeconds) + " s in the air, " +
            decimal(landing.apexFt) + " ft high, landing at " + decimal(landing.directionDegrees) +
            " degrees\n";
    text += carry.tally().summary([&](int row) { return namesakes.label(season.parkAtRow(row)); }) + "\n\n";
    constexpr std::size_t kName = 32;
    constexpr std::size_t kVerdict = 16;
    constexpr std::size_t kNumber = 10;
    text += rightAligned("Row", 5) + "  " + padded("Park", kName) + padded("Verdict", kVerdict) +
            rightAligned("Fence ft", kNumber) + rightAligned("Wall ft", kNumber) +
            rightAligned("Height ft", kNumber) + rightAligned("Margin ft", kNumber) + "\n";
    for (const model::Park& park : season.parks()) {
        const std::optional<flight::ParkVerdict>& verdict = carry.verdictAt(park.row());
        std::string line =
            rightAligned(std::to_string(park.row()), 5) + "  " + padded(namesakes.label(park), kName);
        if (!verdict) {
            line += "No verdict: " + flight::SeasonParks::whyLeftOut(park, carry.air().isParksOwn());
        } else {
            const Measures m = Measures::of(*verdict);
            line += padded(verdict->text(), kVerdict) + rightAligned(csvField(m.fence), kNumber) +
                    rightAligned(csvField(m.wall), kNumber) + rightAligned(csvField(m.height), kNumber) +
                    rightAligned(csvField(m.margin), kNumber);
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        text += line + "\n";
    }
    return text;
}

} // namespace vendrix::exporter
