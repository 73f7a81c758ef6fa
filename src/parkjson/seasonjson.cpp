#include "seasonjson.h"

#include "parkvalues.h"

#include <array>
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

void writeNumberCell(JsonWriter& writer, std::string_view cell, int column, ColumnSums* sums) {
    const std::optional<int> number = cellNumber(cell);
    if (!number) {
        writer.null();
        return;
    }
    writer.integer(*number);
    if (sums != nullptr)
        sums->add(column, *number);
}

void writePark(JsonWriter& writer, const ParkTable& table, int row, ColumnSums& sums,
               const ParkExtraFields& extraFields) {
    writer.beginObject();
    writer.key("row");
    writer.integer(row - parktable::kCaptionRowCount + 1);
    writer.key("park");
    writer.windows1252String(trimBlanks(table.cell(row, col::parkName)));
    writer.key("team");
    if (const auto team = normalisedTeam(table.cell(row, col::teamName)))
        writer.windows1252String(*team);
    else
        writer.null();
    writer.key("year");
    writeNumberCell(writer, table.cell(row, col::year), col::year, nullptr);
    for (const NumberGroup& group : kNumberGroups) {
        writer.key(group.name);
        writer.beginObject();
        for (int column = group.firstColumn; column < group.firstColumn + group.size; ++column) {
            writer.key(memberKey(group, column));
            writeNumberCell(writer, table.cell(row, column), column, &sums);
        }
        writer.endObject();
    }
    for (std::size_t i = 0; i < kWordKeys.size(); ++i) {
        writer.key(kWordKeys[i]);
        writer.windows1252String(table.cell(row, col::firstAttribute + static_cast<int>(i)));
    }
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

} // namespace

std::string seasonJson(const ParkTable& table, const SeasonNames& names, const ParkExtraFields& extraFields) {
    std::string json;
    constexpr std::size_t kTypicalParkBytes = 700;
    json.reserve(static_cast<std::size_t>(table.parkCount() > 0 ? table.parkCount() : 0) * kTypicalParkBytes +
                 1024);
    JsonWriter writer(json);
    writer.beginObject(JsonWriter::Layout::OneMemberPerLine);
    writer.key("league");
    writer.windows1252String(trimBlanks(names.league));
    writer.key("season");
    writer.windows1252String(trimBlanks(names.season));
    writer.key("parks");
    writer.beginArray(JsonWriter::Layout::OneMemberPerLine);
    ColumnSums sums;
    for (int row = parktable::kFirstParkRow; row < table.rowCount(); ++row)
        writePark(writer, table, row, sums, extraFields);
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

} // namespace vendrix::parkjson
