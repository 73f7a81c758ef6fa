#include "seasoncomparison.h"

#include "parkjson/parkvalues.h"
#include "season/letterfold.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace vendrix::seasondiff {

namespace {

using parktable::ParkTable;
namespace col = parktable::col;

// A park row under its match key. The keys of one season live in one buffer, and matching sorts
// rows by key instead of hashing: for tens of thousands of parks the sorted walk stays in cache.
void appendMatchKey(std::string& keys, std::string_view parkCell) {
    for (const char c : parkjson::trimBlanks(parkCell))
        keys.push_back(season::lowerWindows1252(c));
}

// Rows are ordered by a hash of the key first, so that sorting seldom compares the names
// themselves (park names tend to share long beginnings); only the grouping matters, not the order.
struct KeyedRow {
    std::uint64_t hash;
    std::string_view key;
    int row;

    // Same name, or which name goes first.
    bool sameName(const KeyedRow& other) const { return hash == other.hash && key == other.key; }
    bool nameBefore(const KeyedRow& other) const {
        return hash != other.hash ? hash < other.hash : key < other.key;
    }
    bool operator<(const KeyedRow& other) const {
        return sameName(other) ? row < other.row : nameBefore(other);
    }
};

std::uint64_t hashOf(std::string_view key) {
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (const char c : key)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return hash;
}

std::vector<KeyedRow> keyedRows(const ParkTable& table, std::string& keys) {
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    spans.reserve(static_cast<std::size_t>(table.parkCount()));
    for (int row = parktable::kFirstParkRow; row < table.rowCount(); ++row) {
        const std::size_t start = keys.size();
        appendMatchKey(keys, table.cell(row, col::parkName));
        spans.emplace_back(start, keys.size() - start);
    }
    std::vector<KeyedRow> rows;
    rows.reserve(spans.size());
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const std::string_view key = std::string_view(keys).substr(spans[i].first, spans[i].second);
        rows.push_back({hashOf(key), key, parktable::kFirstParkRow + static_cast<int>(i)});
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

// Where each row of a season stands after matching: its partner in the other season (-1 for none)
// and its place among its namesakes.
struct RowMatch {
    int partner = -1;
    int occurrence = 1;
    int namesakes = 1;
};

// Pairs the rows of each name in file order, walking both sorted lists side by side.
void matchRows(const std::vector<KeyedRow>& oldRows, const std::vector<KeyedRow>& newRows,
               std::vector<RowMatch>& oldMatches, std::vector<RowMatch>& newMatches) {
    const auto groupEnd = [](const std::vector<KeyedRow>& rows, std::size_t from) {
        std::size_t end = from;
        while (end < rows.size() && rows[end].sameName(rows[from]))
            ++end;
        return end;
    };
    const auto place = [](const std::vector<KeyedRow>& rows, std::size_t from, std::size_t end,
                          std::vector<RowMatch>& matches) {
        for (std::size_t i = from; i < end; ++i) {
            RowMatch& match = matches[static_cast<std::size_t>(rows[i].row)];
            match.occurrence = static_cast<int>(i - from) + 1;
            match.namesakes = static_cast<int>(end - from);
        }
    };
    std::size_t o = 0;
    std::size_t n = 0;
    while (o < oldRows.size() || n < newRows.size()) {
        const bool takeOld =
            n == newRows.size() || (o < oldRows.size() && !newRows[n].nameBefore(oldRows[o]));
        const bool takeNew =
            o == oldRows.size() || (n < newRows.size() && !oldRows[o].nameBefore(newRows[n]));
        const std::size_t oldEnd = takeOld ? groupEnd(oldRows, o) : o;
        const std::size_t newEnd = takeNew ? groupEnd(newRows, n) : n;
        place(oldRows, o, oldEnd, oldMatches);
        place(newRows, n, newEnd, newMatches);
        for (std::size_t i = 0; o + i < oldEnd && n + i < newEnd; ++i) {
            oldMatches[static_cast<std::size_t>(oldRows[o + i].row)].partner = newRows[n + i].row;
            newMatches[static_cast<std::size_t>(newRows[n + i].row)].partner = oldRows[o + i].row;
        }
        o = oldEnd;
        n = newEnd;
    }
}

ParkPlace placeOf(int row, const RowMatch& match) {
    return {row, match.occurrence, match.namesakes};
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

// True when the distances, heights, factors and words of two rows are all equal: one comparison of
// the cells' bytes back to back, and their lengths, instead of thirty.
bool sameValues(const ParkTable& oldTable, int oldRow, const ParkTable& newTable, int newRow) {
    constexpr int first = col::firstFenceDistance;
    constexpr int last = col::lastCaptioned;
    if (oldTable.cellRun(oldRow, first, last) != newTable.cellRun(newRow, first, last))
        return false;
    for (int column = first; column < last; ++column)
        if (oldTable.cell(oldRow, column).size() != newTable.cell(newRow, column).size())
            return false;
    return true;
}

} // namespace

std::vector<int> comparedColumns() {
    std::vector<int> columns{col::teamName};
    for (int column = col::firstFenceDistance; column <= col::lastCaptioned; ++column)
        columns.push_back(column);
    return columns;
}

std::string parkMatchKey(std::string_view parkCell) {
    std::string key;
    appendMatchKey(key, parkCell);
    return key;
}

SeasonComparison compareSeasons(const ParkTable& oldTable, const ParkTable& newTable) {
    std::string oldKeys;
    std::string newKeys;
    std::vector<RowMatch> oldMatches(static_cast<std::size_t>(oldTable.rowCount()));
    std::vector<RowMatch> newMatches(static_cast<std::size_t>(newTable.rowCount()));
    matchRows(keyedRows(oldTable, oldKeys), keyedRows(newTable, newKeys), oldMatches, newMatches);

    SeasonComparison comparison;
    for (int newRow = parktable::kFirstParkRow; newRow < newTable.rowCount(); ++newRow) {
        const RowMatch& match = newMatches[static_cast<std::size_t>(newRow)];
        if (match.partner < 0) {
            comparison.added.push_back(placeOf(newRow, match));
            continue;
        }
        const int oldRow = match.partner;
        ++comparison.matched;
        std::vector<ValueChange> changes;
        compareTeams(oldTable, oldRow, newTable, newRow, changes);
        if (sameValues(oldTable, oldRow, newTable, newRow)) {
            if (!changes.empty())
                comparison.changed.push_back({oldRow, placeOf(newRow, match), std::move(changes)});
            continue;
        }
        for (int column = col::firstFenceDistance; column <= col::lastCaptioned; ++column) {
            const std::string_view before = oldTable.cell(oldRow, column);
            const std::string_view after = newTable.cell(newRow, column);
            if (before != after)
                changes.push_back({column, std::string(before), std::string(after)});
        }
        if (!changes.empty())
            comparison.changed.push_back({oldRow, placeOf(newRow, match), std::move(changes)});
    }
    for (int oldRow = parktable::kFirstParkRow; oldRow < oldTable.rowCount(); ++oldRow) {
        const RowMatch& match = oldMatches[static_cast<std::size_t>(oldRow)];
        if (match.partner < 0)
            comparison.removed.push_back(placeOf(oldRow, match));
    }
    return comparison;
}

} // namespace vendrix::seasondiff
