#include "fuzztable.h"

#include <cstdlib>

namespace vendrix::fuzz {

std::vector<std::vector<std::string>> readCsvLeniently(std::string_view text) {
    std::vector<std::vector<std::string>> rows;
    std::size_t at = 0;
    while (at < text.size()) {
        std::vector<std::string>& row = rows.emplace_back();
        for (;;) {
            std::string& field = row.emplace_back();
            if (at < text.size() && text[at] == '"') {
                for (++at; at < text.size(); ++at) {
                    if (text[at] != '"') {
                        field.push_back(text[at]);
                    } else if (at + 1 < text.size() && text[at + 1] == '"') {
                        field.push_back('"');
                        ++at;
                    } else {
                        ++at;
                        break;
                    }
                }
            }
            // An unquoted field, or what follows a closing quote, runs to the comma or line end.
            while (at < text.size() && text[at] != ',' && text[at] != '\n' && text.substr(at, 2) != "\r\n")
                field.push_back(text[at++]);
            if (at < text.size() && text[at] == ',') {
                ++at;
                continue;
            }
            at += text.substr(at, 2) == "\r\n" ? 2 : 1;
            break;
        }
    }
    return rows;
}

namespace {

double numberOr(const std::string& text, double fallback) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    return end == text.c_str() ? fallback : value;
}

} // namespace

FuzzedTable readFuzzedTable(std::string_view input) {
    FuzzedTable fuzzed;
    std::vector<std::vector<std::string>> rows = readCsvLeniently(input);
    std::size_t first = 0;
    if (!rows.empty() && !rows[0].empty() && rows[0][0].starts_with('#')) {
        const std::vector<std::string>& head = rows[0];
        fuzzed.title = head[0].substr(1);
        double* metrics[] = {&fuzzed.metrics.printableHeight, &fuzzed.metrics.leadingLineHeight,
                             &fuzzed.metrics.reportLineHeight};
        for (std::size_t i = 0; i < 3 && i + 1 < head.size(); ++i)
            *metrics[i] = numberOr(head[i + 1], *metrics[i]);
        first = 1;
    }
    while (rows.size() < first + parktable::kCaptionRowCount)
        rows.emplace_back();
    for (std::size_t r = first; r < rows.size(); ++r) {
        parktable::ParkTable::Row cells{};
        for (std::size_t c = 0; c < cells.size() && c < rows[r].size(); ++c)
            cells[c] = rows[r][c];
        fuzzed.table.appendRow(cells);
    }
    return fuzzed;
}

} // namespace vendrix::fuzz
