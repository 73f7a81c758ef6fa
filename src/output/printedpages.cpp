#include "printedpages.h"

namespace vendrix::output {

namespace {

class PageFiller {
public:
    explicit PageFiller(const PageMetrics& metrics) : metrics_(metrics) { newPage(); }

    void newPage() {
        pages_.emplace_back();
        top_ = 0;
    }

    void place(std::string_view text, bool inReportFont) {
        const double height = inReportFont ? metrics_.reportLineHeight : metrics_.leadingLineHeight;
        // A line taller than a whole sheet still gets a sheet of its own rather than none.
        if (!pages_.back().empty() && top_ + height > metrics_.printableHeight + kTolerance)
            newPage();
        pages_.back().push_back({text, inReportFont, top_});
        top_ += height;
    }

    std::vector<PrintedPage> take() { return std::move(pages_); }

private:
    // Line heights add up in floating point; a sheet that holds exactly n lines must still hold them.
    static constexpr double kTolerance = 1e-6;

    const PageMetrics& metrics_;
    std::vector<PrintedPage> pages_;
    double top_ = 0;
};

} // namespace

std::vector<PrintedPage> paginate(const PrintedReport& report, const PageMetrics& metrics) {
    PageFiller filler(metrics);
    for (const std::string& line : report.leadingLines)
        filler.place(line, false);
    for (std::size_t s = 0; s < report.sections.size(); ++s) {
        if (s > 0)
            filler.newPage();
        for (const std::string& line : report.sections[s])
            filler.place(line, true);
    }
    return filler.take();
}

} // namespace vendrix::output
