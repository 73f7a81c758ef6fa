#include "seasonjson.h"

#include "parkvalues.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <optional>

namespace vendrix::parkjson {

namespace {

using parktable::ParkTable;
namespace col = parktable::col;

// Sum and count of every number column, for the league average.
class ColumnSums {
public:
    void add(int column, int value) {
        sums_[static_cast<std::size_t>(column)] += value;
        ++counts_[static_cast<std::size_t>(column)];
    }

    // The mean in tenths, rounded half away from zero, exactly (no floating point); nothing
    // when no park had a number there.
    std::optional<std::int64_t> meanTenths(int column) const {
        const std::int64_t count = counts_[static_cast<std::size_t>(column)];
        if (count == 0)
            return std::nullopt;
        const std::int64_t tenfold = sums_[static_cast<std::size_t>(column)] * 10;
        std::int64_t mean = tenfold / count;
        const std::int64_t rest = tenfold % count;
        if (2 * (rest < 0 ? -rest : rest) >= count)
            mean += tenfold < 0 ? -1 : 1;
        return mean;
    }

private:
    std::array<std::int64_t, parktable::kParkColumnCount> sums_{};
    std::array<std::int64_t, parktable::kParkColumnCount> counts_{};
};

// What stands before each column's value in a park object's members, from the year on: the key,
// and where a group begins or ends, its braces.
std::array<std::string, parktable::kParkColumnCount> memberPrefixes() {
    std::array<std::string, parktable::kParkColumnCount> prefixes;
    prefixes[col::year] = ",\"year\":";
    for (const NumberGroup& group : kNumberGroups) {
        for (int column = group.firstColumn; column < group.firstColumn + group.size; ++column)
            prefixes[static_cast<std::size_t>(column)] =
                ",\"" + std::string(memberKey(group, column)) + "\":";
        std::string& first = prefixes[static_cast<std::size_t>(group.firstColumn)];
        first = ",\"" + std::string(group.name) + "\":{" + first.substr(1);
    }
    for (std::size_t i = 0; i < kWordKeys.size(); ++i)
        prefixes[col::firstAttribute + i] = ",\"" + std::string(kWordKeys[i]) + "\":";
    for (const NumberGroup& group : kNumberGroups) // each group closes before what follows it
        prefixes[static_cast<std::size_t>(group.firstColumn + group.size)].insert(0, "}");
    return prefixes;
}

void appendNumberCell(std::string& out, std::string_view cell, int column, ColumnSums* sums) {
    const std::optional<int> number = cellNumber(cell);
    if (!number) {
        out += "null";
        return;
    }
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, *number);
    out.append(digits, written.ptr);
    if (sums != nullptr)
        sums->add(column, *number);
}

// The members of a park's object that the schema fixes, as JSON text.
void appendParkMembers(std::string& out, const ParkTable& table, int row, ColumnSums& sums) {
    static const std::array<std::string, parktable::kParkColumnCount> prefixes = memberPrefixes();
    out += "\"row\":";
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, row - parktable::kCaptionRowCount + 1);
    out.append(digits, written.ptr);
    out += ",\"park\":";
    JsonWriter::appendString(out, trimBlanks(table.cell(row, col::parkName)));
    out += ",\"team\":";
    if (const auto team = normalisedTeam(table.cell(row, col::teamName)))
        JsonWriter::appendString(out, *team);
    else
        out += "null";
    out += prefixes[col::year];
    appendNumberCell(out, table.cell(row, col::year), col::year, nullptr);
    for (int column = col::firstFenceDistance; column < col::firstAttribute; ++column) {
        out += prefixes[static_cast<std::size_t>(column)];
        appendNumberCell(out, table.cell(row, column), column, &sums);
    }
    for (int column = col::firstAttribute; column <= col::lastCaptioned; ++column) {
        out += prefixes[static_cast<std::size_t>(column)];
        JsonWriter::appendString(out, table.cell(row, column));
    }
}

void writePark(JsonWriter& writer, std::string& members, const ParkTable& table, int row, ColumnSums& sums,
               const ParkExtraFields& extraFields) {
    members.clear();
    appendParkMembers(members, table, row, sums);
    writer.beginObject();
    writer.rawMembers(members);
    if (extraFields)
        extraFields(row, writer);
    writer.endObject();
}

void writeAverages(JsonWriter& writer, const ColumnSums& sums) {
    writer.beginObject(JsonWriter::Layout::OneMemberPerLine);
    for (const NumberGroup& group : kNumberGroups) {
        writer.key(group.name);
        writer.beginObject();
        for (int column = group.firstColumn; column < group.firstColumn + group.size; ++column) {
            writer.key(memberKey(group, column));
            if (const auto mean = sums.meanTenths(column))
                writer.tenths(*mean);
            else
                writer.null();
        }
        writer.endObject();
    }
    writer.endObject();
}

// The league average's sums of one park, without writing it.
void addToSums(const ParkTable& table, int row, ColumnSums& sums) {
    for (int column = col::firstFenceDistance; column < col::firstAttribute; ++column)
        if (const std::optional<int> number = cellNumber(table.cell(row, column)))
            sums.add(column, *number);
}

// Every park row in file order, or the rows given; the sums are of every park either way.
std::string writeSeason(const ParkTable& table, const SeasonNames& names, const std::span<const int>* rows,
                        const ParkExtraFields& extraFields) {
    std::string json;
    constexpr std::size_t kTypicalParkBytes = 700;
    const std::size_t parks =
        rows != nullptr ? rows->size() : static_cast<std::size_t>(std::max(table.parkCount(), 0));
    json.reserve(parks * kTypicalParkBytes + 1024);
    JsonWriter writer(json);
    writer.beginObject(JsonWriter::Layout::OneMemberPerLine);
    writer.key("league");
    writer.windows1252String(trimBlanks(names.league));
    writer.key("season");
    writer.windows1252String(trimBlanks(names.season));
    writer.key("parks");
    writer.beginArray(JsonWriter::Layout::OneMemberPerLine);
    ColumnSums sums;
    std::string members;
    if (rows == nullptr) {
        for (int row = parktable::kFirstParkRow; row < table.rowCount(); ++row)
            writePark(writer, members, table, row, sums, extraFields);
    } else {
        for (int row = parktable::kFirstParkRow; row < table.rowCount(); ++row)
            addToSums(table, row, sums);
        ColumnSums unused;
        for (const int row : *rows)
            writePark(writer, members, table, row, unused, extraFields);
    }
    writer.endArray();
    writer.key("league_average");
    if (table.parkCount() > 0)
        writeAverages(writer, sums);
    else
        writer.null();
    writer.endObject();
    json.push_back('\n');
    return json;
}

} // namespace

std::string seasonJson(const ParkTable& table, const SeasonNames& names, const ParkExtraFields& extraFields) {
    return writeSeason(table, names, nullptr, extraFields);
}

std::string seasonJson(const ParkTable& table, const SeasonNames& names, std::span<const int> rows,
                       const ParkExtraFields& extraFields) {
    return writeSeason(table, names, &rows, extraFields);
}

} // namespace vendrix::parkjson
