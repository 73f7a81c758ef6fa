#include "seasoncomparison.h"

#include "parkjson/parkvalues.h"

#include <algorithm>
#include <unordered_map>

namespace vendrix::seasondiff {

namespace {

using parktable::ParkTable;
namespace col = parktable::col;

char lowerWindows1252(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
        return static_cast<char>(byte + 0x20);
    switch (byte) {
    case 0x8A: // S, O, Z with caron or ligature: their small forms stand 0x10 higher
    case 0x8C:
    case 0x8E:
        return static_cast<char>(byte + 0x10);
    case 0x9F:
        return static_cast<char>(0xFF); // Y with diaeresis
    default:
        return c;
    }
}

// The rows of one season by match key, in file order, with a cursor over the rows already paired.
struct NameRows {
    std::vector<int> rows;
    std::size_t paired = 0;
};

using RowsByName = std::unordered_map<std::string, NameRows>;

RowsByName rowsByName(const ParkTable& table, std::vector<const std::string*>& keyOfRow) {
    RowsByName byName;
    byName.reserve(static_cast<std::size_t>(table.rowCount()));
    keyOfRow.assign(static_cast<std::size_t>(table.rowCount()), nullptr);
    for (int row = parktable::kFirstParkRow; row < table.rowCount(); ++row) {
        auto [entry, _] = byName.try_emplace(parkMatchKey(table.cell(row, col::parkName)));
        entry->second.rows.push_back(row);
        keyOfRow[static_cast<std::size_t>(row)] = &entry->first;
    }
    return byName;
}

ParkPlace placeOf(int row, const NameRows& rows, std::size_t index) {
    return {row, static_cast<int>(index) + 1, static_cast<int>(rows.rows.size())};
}

std::string teamText(std::string_view cell) {
    return parkjson::normalisedTeam(cell).value_or(std::string());
}

void compareTeams(const ParkTable& oldTable, int oldRow, const ParkTable& newTable, int newRow,
                  std::vector<ValueChange>& changes) {
    const std::string_view before = oldTable.cell(oldRow, col::teamName);
    const std::string_view after = newTable.cell(newRow, col::teamName);
    if (before == after)
        return;
    std::string oldTeam = teamText(before);
    std::string newTeam = teamText(after);
    if (oldTeam != newTeam)
        changes.push_back({col::teamName, std::move(oldTeam), std::move(newTeam)});
}

} // namespace

std::vector<int> comparedColumns() {
    std::vector<int> columns{col::teamName};
    for (int column = col::firstFenceDistance; column <= col::lastCaptioned; ++column)
        columns.push_back(column);
    return columns;
}

std::string parkMatchKey(std::string_view parkCell) {
    const std::string_view name = parkjson::trimBlanks(parkCell);
    std::string key(name.size(), ' ');
    for (std::size_t i = 0; i < name.size(); ++i)
        key[i] = lowerWindows1252(name[i]);
    return key;
}

SeasonComparison compareSeasons(const ParkTable& oldTable, const ParkTable& newTable) {
    std::vector<const std::string*> oldKeys;
    std::vector<const std::string*> newKeys;
    RowsByName oldByName = rowsByName(oldTable, oldKeys);
    RowsByName newByName = rowsByName(newTable, newKeys);

    SeasonComparison comparison;
    std::vector<bool> oldPaired(static_cast<std::size_t>(oldTable.rowCount()), false);
    for (int newRow = parktable::kFirstParkRow; newRow < newTable.rowCount(); ++newRow) {
        const std::string& key = *newKeys[static_cast<std::size_t>(newRow)];
        NameRows& namesakes = newByName.at(key);
        const ParkPlace place = placeOf(newRow, namesakes, namesakes.paired++);
        const auto old = oldByName.find(key);
        if (old == oldByName.end() || old->second.paired == old->second.rows.size()) {
            comparison.added.push_back(place);
            continue;
        }
        const int oldRow = old->second.rows[old->second.paired++];
        oldPaired[static_cast<std::size_t>(oldRow)] = true;
        ++comparison.matched;

        std::vector<ValueChange> changes;
        compareTeams(oldTable, oldRow, newTable, newRow, changes);
        for (int column = col::firstFenceDistance; column <= col::lastCaptioned; ++column) {
            const std::string_view before = oldTable.cell(oldRow, column);
            const std::string_view after = newTable.cell(newRow, column);
            if (before != after)
                changes.push_back({column, std::string(before), std::string(after)});
        }
        if (!changes.empty())
            comparison.changed.push_back({oldRow, place, std::move(changes)});
    }
    for (int oldRow = parktable::kFirstParkRow; oldRow < oldTable.rowCount(); ++oldRow) {
        if (oldPaired[static_cast<std::size_t>(oldRow)])
            continue;
        const NameRows& namesakes = oldByName.at(*oldKeys[static_cast<std::size_t>(oldRow)]);
        // Rows stand in file order, so a binary search finds the occurrence even when thousands of
        // parks share a name.
        const auto at = std::lower_bound(namesakes.rows.begin(), namesakes.rows.end(), oldRow);
        comparison.removed.push_back(
            placeOf(oldRow, namesakes, static_cast<std::size_t>(at - namesakes.rows.begin())));
    }
    return comparison;
}

} // namespace vendrix::seasondiff
