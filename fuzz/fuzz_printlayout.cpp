// Lays out the printed report of a table of fuzzed cells and puts it on sheets of fuzzed sizes:
// four sections of the caption row and every park, each line on exactly one sheet in order, every
// section from a new sheet, no line below the printable area unless it is alone on its sheet, and no
// sheet started while the next line still fitted.
#include "fuzztable.h"
#include "output/printedpages.h"
#include "output/printedreport.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace vendrix::output;

void check(bool holds) {
    if (!holds)
        std::abort();
}

void checkLayout(const PrintedReport& report, const vendrix::parktable::ParkTable& table,
                 std::string_view title) {
    const auto parks = static_cast<std::size_t>(table.parkCount());
    check(report.title == title);
    check(report.leadingLines.size() == 2);
    check(report.sections.size() == 4);
    // Blank lines before the title on every later section, a spacer, a heading on the first two.
    const std::size_t headLines[] = {3, 5, 4, 4};
    for (std::size_t s = 0; s < 4; ++s) {
        const std::vector<std::string>& lines = report.sections[s];
        check(lines.size() == headLines[s] + parks + 1);
        check(lines[headLines[s] - (s < 2 ? 3 : 2)] == std::string(46, ' ') + std::string(title));
        for (std::size_t p = 0; p <= parks; ++p) {
            const std::string_view name = table.cell(static_cast<int>(p) + 1, 0);
            check(lines[headLines[s] + p].substr(0, 5 + name.size()) == "     " + std::string(name));
        }
    }
}

void checkPages(const PrintedReport& report, const PageMetrics& metrics) {
    const std::vector<PrintedPage> pages = paginate(report, metrics);
    const double tolerance = 1e-6;
    const auto heightOf = [&](const PageLine& line) {
        return line.inReportFont ? metrics.reportLineHeight : metrics.leadingLineHeight;
    };

    const auto startsSection = [&](const PageLine& line) {
        for (std::size_t s = 1; s < report.sections.size(); ++s)
            if (line.text.data() == report.sections[s].front().data())
                return true;
        return false;
    };

    // Every line once, in order, in its font; every section from the top of a sheet.
    std::size_t page = 0, onPage = 0;
    const auto next = [&](const std::string& text, bool inReportFont) {
        while (page < pages.size() && onPage == pages[page].size()) {
            ++page;
            onPage = 0;
        }
        check(page < pages.size());
        const PageLine& line = pages[page][onPage++];
        check(line.text.data() == text.data() && line.text.size() == text.size());
        check(line.inReportFont == inReportFont);
    };
    for (const std::string& text : report.leadingLines)
        next(text, false);
    for (std::size_t s = 0; s < report.sections.size(); ++s)
        for (std::size_t l = 0; l < report.sections[s].size(); ++l) {
            next(report.sections[s][l], true);
            if (s > 0 && l == 0)
                check(onPage == 1);
        }
    check(page + 1 == pages.size() && onPage == pages.back().size());

    for (std::size_t p = 0; p < pages.size(); ++p) {
        check(!pages[p].empty());
        double top = 0;
        for (std::size_t l = 0; l < pages[p].size(); ++l) {
            const PageLine& line = pages[p][l];
            check(line.top == top || (std::isnan(line.top) && std::isnan(top)));
            if (l > 0)
                check(!(line.top + heightOf(line) > metrics.printableHeight + tolerance));
            top += heightOf(line);
        }
        // A sheet ends early only for a new section or a line that would not have fitted.
        if (p + 1 == pages.size() || startsSection(pages[p + 1].front()) || !std::isfinite(top))
            continue;
        check(top + heightOf(pages[p + 1].front()) > metrics.printableHeight + tolerance);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto fuzzed = vendrix::fuzz::readFuzzedTable({reinterpret_cast<const char*>(data), size});
    const vendrix::parktable::ParkTable table = fuzzed.table();
    const PrintedReport report = layoutPrintedReport(table, fuzzed.title);
    checkLayout(report, table, fuzzed.title);
    checkPages(report, fuzzed.metrics);
    return 0;
}
