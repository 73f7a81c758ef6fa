#include "csvexport.h"

#include <cstring>

namespace vendrix::output {

namespace {

using parktable::ParkTable;

constexpr int kExportedColumns = parktable::col::lastCaptioned + 1;

void appendQuoted(std::string& out, std::string_view text) {
    out.push_back('"');
    // A quote inside the text is doubled so that every reader keeps the field whole.
    for (;;) {
        const void* found = text.empty() ? nullptr : std::memchr(text.data(), '"', text.size());
        if (found == nullptr) {
            out.append(text);
            break;
        }
        const std::size_t quote = static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
        out.append(text.substr(0, quote + 1));
        out.push_back('"');
        text.remove_prefix(quote + 1);
    }
    out.push_back('"');
}

// Most cells are numbers of one to five digits: a copy of a size known at compile time is a few
// moves, where a call to memcpy for each of a million cells is a quarter of the export's time.
char* copyCell(char* at, std::string_view cell) {
    switch (cell.size()) {
    case 0:
        return at; // an empty view may hold no pointer, which memcpy must not get
    case 1:
        std::memcpy(at, cell.data(), 1);
        return at + 1;
    case 2:
        std::memcpy(at, cell.data(), 2);
        return at + 2;
    case 3:
        std::memcpy(at, cell.data(), 3);
        return at + 3;
    case 4:
        std::memcpy(at, cell.data(), 4);
        return at + 4;
    case 5:
        std::memcpy(at, cell.data(), 5);
        return at + 5;
    default:
        std::memcpy(at, cell.data(), cell.size());
        return at + cell.size();
    }
}

bool holdsQuote(std::string_view text) {
    return !text.empty() && std::memchr(text.data(), '"', text.size()) != nullptr;
}

} // namespace

int appendCsvLines(const ParkTable& table, int firstRow, std::size_t bytes, std::string& out) {
    // Per line: two quotes per field, a comma between fields, CR LF.
    constexpr std::size_t kFraming = kExportedColumns * 2 + (kExportedColumns - 1) + 2;
    ParkTable::Row cells{};
    int row = firstRow;
    for (; row < table.rowCount() && out.size() < bytes; ++row) {
        table.rowCells(row, cells);
        // Only the names of parks and teams can hold a quote; numbers, words and captions never do.
        const bool quotes =
            holdsQuote(cells[parktable::col::parkName]) || holdsQuote(cells[parktable::col::teamName]);
        if (quotes) {
            for (int column = 0; column < kExportedColumns; ++column) {
                if (column > 0)
                    out.push_back(',');
                appendQuoted(out, cells[static_cast<std::size_t>(column)]);
            }
            out.append("\r\n");
            continue;
        }
        // The line's length is known: it is written by block copies into its place.
        std::size_t length = kFraming;
        for (int column = 0; column < kExportedColumns; ++column)
            length += cells[static_cast<std::size_t>(column)].size();
        const std::size_t start = out.size();
        out.resize(start + length);
        char* at = out.data() + start;
        for (int column = 0; column < kExportedColumns; ++column) {
            const std::string_view cell = cells[static_cast<std::size_t>(column)];
            *at++ = '"';
            at = copyCell(at, cell);
            *at++ = '"';
            *at++ = column + 1 < kExportedColumns ? ',' : '\r';
        }
        *at = '\n';
    }
    return row;
}

std::string csvText(const ParkTable& table) {
    // A park row takes about 240 bytes, a little more with long team names: room for all of them at
    // once spares copying megabytes as the text grows.
    constexpr std::size_t kTypicalLine = 256;
    std::string out;
    out.reserve(static_cast<std::size_t>(table.rowCount()) * kTypicalLine);
    appendCsvLines(table, 0, std::string::npos, out);
    return out;
}

} // namespace vendrix::output
