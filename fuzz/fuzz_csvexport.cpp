// Writes the CSV of a season of fuzzed parks and reads it back with a strict reader: every line is
// 33 quoted fields and CR LF, and the fields are the cells, byte for byte.
#include "fuzztable.h"
#include "output/csvexport.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool holds) {
    if (!holds)
        std::abort();
}

// Reads one line of quoted fields from `at`, which it leaves at the next line; aborts on anything
// that is not exactly what a CSV writer must write.
std::vector<std::string> readStrictLine(std::string_view csv, std::size_t& at) {
    std::vector<std::string> fields;
    for (;;) {
        check(at < csv.size() && csv[at] == '"');
        std::string& field = fields.emplace_back();
        for (++at;; ++at) {
            check(at < csv.size());
            if (csv[at] != '"') {
                field.push_back(csv[at]);
            } else if (at + 1 < csv.size() && csv[at + 1] == '"') {
                field.push_back('"');
                ++at;
            } else {
                ++at;
                break;
            }
        }
        check(at < csv.size());
        if (csv[at] == ',') {
            ++at;
            continue;
        }
        check(csv.substr(at, 2) == "\r\n");
        at += 2;
        return fields;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto fuzzed = vendrix::fuzz::readFuzzedTable({reinterpret_cast<const char*>(data), size});
    const vendrix::parktable::ParkTable table = fuzzed.table();
    const std::string csv = vendrix::output::csvText(table);

    std::size_t at = 0;
    for (int row = 0; row < table.rowCount(); ++row) {
        const std::vector<std::string> fields = readStrictLine(csv, at);
        check(fields.size() == 33);
        for (int column = 0; column < 33; ++column)
            check(fields[static_cast<std::size_t>(column)] == table.cell(row, column));
    }
    check(at == csv.size());
    return 0;
}
