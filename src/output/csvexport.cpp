#include "csvexport.h"

#include <cstring>

namespace vendrix::output {

namespace {

using parktable::ParkTable;

constexpr int kExportedColumns = parktable::col::lastCaptioned + 1;
// Per line: two quotes per field, a comma between fields, CR LF.
constexpr std::size_t kLineFraming = kExportedColumns * 2 + (kExportedColumns - 1) + 2;

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

std::size_t unquotedSize(const ParkTable& table) {
    std::size_t bytes = 0;
    for (int row = 0; row < table.rowCount(); ++row)
        bytes += table.cellRun(row, 0, kExportedColumns - 1).size();
    return bytes + static_cast<std::size_t>(table.rowCount()) * kLineFraming;
}

bool holdsQuote(std::string_view text) {
    return !text.empty() && std::memchr(text.data(), '"', text.size()) != nullptr;
}

} // namespace

std::string csvText(const ParkTable& table) {
    std::string out;
    out.reserve(unquotedSize(table));
    for (int row = 0; row < table.rowCount(); ++row) {
        // One look at the whole row spares a search in each of its fields, as rows rarely hold a quote.
        const bool quotes = holdsQuote(table.cellRun(row, 0, kExportedColumns - 1));
        for (int column = 0; column < kExportedColumns; ++column) {
            if (column > 0)
                out.push_back(',');
            if (quotes) {
                appendQuoted(out, table.cell(row, column));
            } else {
                out.push_back('"');
                out.append(table.cell(row, column));
                out.push_back('"');
            }
        }
        out.append("\r\n");
    }
    return out;
}

} // namespace vendrix::output
