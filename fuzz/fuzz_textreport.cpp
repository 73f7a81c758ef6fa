// Writes the text report of a season of fuzzed parks under a fuzzed title: 4P + 11 lines, each
// ending in CR LF (more only where a name or the title holds a line break of its own), the title and
// the park names where they belong.
#include "fuzztable.h"
#include "output/textreport.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

using vendrix::parktable::ParkTable;

void check(bool holds) {
    if (!holds)
        std::abort();
}

bool holdsLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

std::size_t countLineEnds(std::string_view text) {
    std::size_t count = 0;
    for (auto at = text.find("\r\n"); at != std::string_view::npos; at = text.find("\r\n", at + 2))
        ++count;
    return count;
}

std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> result;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        result.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto fuzzed = vendrix::fuzz::readFuzzedTable({reinterpret_cast<const char*>(data), size});
    const ParkTable table = fuzzed.table();
    const std::string report = vendrix::output::textReport(table, fuzzed.title);

    const auto parks = static_cast<std::size_t>(table.parkCount());
    check(report.ends_with("\r\n"));
    bool lineBreakInside = holdsLineBreak(fuzzed.title);
    for (int row = 1; row < table.rowCount(); ++row)
        for (int column = 0; column <= 32; ++column)
            lineBreakInside = lineBreakInside || holdsLineBreak(table.cell(row, column));
    const std::size_t lineEnds = countLineEnds(report);
    check(lineEnds >= 4 * parks + 11);
    if (!lineBreakInside) {
        check(lineEnds == 4 * parks + 11);
        const std::vector<std::string_view> all = lines(report);
        check(all[0] == std::string(46, ' ') + fuzzed.title);
        check(all[1].empty());
        check(all[4 + parks].empty() && all[7 + 2 * parks].empty() && all[9 + 3 * parks] == " ");
        // The four sections' rows: the caption row and one line per park, after their heading lines.
        const std::size_t sectionStarts[] = {3, 6 + parks, 8 + 2 * parks, 10 + 3 * parks};
        for (const std::size_t start : sectionStarts)
            for (std::size_t p = 0; p <= parks; ++p) {
                const std::string_view name = table.cell(static_cast<int>(p) + 1, 0);
                check(all[start + p].substr(0, 2 + name.size()) == "  " + std::string(name));
            }
    }
    return 0;
}
