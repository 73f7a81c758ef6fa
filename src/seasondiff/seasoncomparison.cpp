#include "seasoncomparison.h"

#include "model/decimaltext.h"
#include "season/windows1252.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace vendrix::seasondiff {

namespace {

using model::Season;
namespace col = model::col;

constexpr std::string_view kNoTeam = "(no team)";

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

// The parks of a season under their match keys, sorted. The keys of one season live in one buffer,
// and matching sorts rows by key instead of hashing: for tens of thousands of parks the sorted walk
// stays in cache.
std::vector<KeyedRow> keyedRows(const Season& season, std::string& keys) {
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    spans.reserve(static_cast<std::size_t>(season.parkCount()));
    for (const model::Park& park : season.parks()) {
        const std::size_t start = keys.size();
        keys += model::nameKey(park.name());
        spans.emplace_back(start, keys.size() - start);
    }
    std::vector<KeyedRow> rows;
    rows.reserve(spans.size());
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const std::string_view key = std::string_view(keys).substr(spans[i].first, spans[i].second);
        rows.push_back({hashOf(key), key, static_cast<int>(i) + 1});
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

ComparedValue valueOf(const model::Park& park, int column) {
    if (column == col::teamName)
        return {std::nullopt, model::normalisedTeam(park.team()).value_or(std::string())};
    if (const std::optional<int> number = park.number(column))
        return {number, {}};
    return {std::nullopt, std::string(park.text(column))};
}

// The values of a matched pair of parks that differ, in catalogue order.
std::vector<ValueChange> changesBetween(const model::Park& before, const model::Park& after) {
    std::vector<ValueChange> changes;
    const bool sameTeam = before.team() == after.team();
    const bool sameMeasures = before.sameMeasures(after);
    if (sameTeam && sameMeasures)
        return changes;
    for (const int column : comparedColumns()) {
        if (column == col::teamName ? sameTeam : sameMeasures)
            continue;
        ComparedValue was = valueOf(before, column);
        ComparedValue is = valueOf(after, column);
        // Two codes without a word of their own read the same, and a word is what the reader sees.
        if (was != is)
            changes.push_back({column, std::move(was), std::move(is)});
    }
    return changes;
}

} // namespace

const std::vector<int>& comparedColumns() {
    static const std::vector<int> columns = [] {
        std::vector<int> all{col::teamName};
        for (int column = col::firstFenceDistance; column <= col::lastCaptioned; ++column)
            all.push_back(column);
        return all;
    }();
    return columns;
}

std::string shownValue(int column, const ComparedValue& value) {
    if (value.number)
        return std::string(model::decimalText(*value.number));
    if (column == col::teamName && value.text.empty())
        return std::string(kNoTeam);
    return season::windows1252::toUtf8(value.text);
}

SeasonComparison compareSeasons(const Season& oldSeason, const Season& newSeason) {
    std::string oldKeys;
    std::string newKeys;
    std::vector<RowMatch> oldMatches(static_cast<std::size_t>(oldSeason.parkCount()) + 1);
    std::vector<RowMatch> newMatches(static_cast<std::size_t>(newSeason.parkCount()) + 1);
    matchRows(keyedRows(oldSeason, oldKeys), keyedRows(newSeason, newKeys), oldMatches, newMatches);

    SeasonComparison comparison;
    for (const model::Park& park : newSeason.parks()) {
        const RowMatch& match = newMatches[static_cast<std::size_t>(park.row())];
        if (match.partner < 0) {
            comparison.added.push_back(placeOf(park.row(), match));
            continue;
        }
        ++comparison.matched;
        std::vector<ValueChange> changes = changesBetween(oldSeason.parkAtRow(match.partner), park);
        if (!changes.empty())
            comparison.changed.push_back({match.partner, placeOf(park.row(), match), std::move(changes)});
    }
    for (const model::Park& park : oldSeason.parks()) {
        const RowMatch& match = oldMatches[static_cast<std::size_t>(park.row())];
        if (match.partner < 0)
            comparison.removed.push_back(placeOf(park.row(), match));
    }
    return comparison;
}

} // namespace vendrix::seasondiff
