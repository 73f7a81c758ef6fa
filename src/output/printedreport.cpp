#include "printedreport.h"

#include "fieldpattern.h"
#include "reporttext.h"

namespace vendrix::output {

namespace {

using parktable::ParkTable;
namespace col = parktable::col;

constexpr std::string_view kHeading1 = "           FENCE DISTANCE      "
                                       "            FENCE HEIGHT      ";
constexpr std::string_view kHeading2 = "        LEFT HANDED        "
                                       "     RIGHT HANDED            ";

// A run of table columns and the field that each of them is printed in.
struct ColumnRun {
    int first;
    int last;
    const FieldPattern& field;
};

class SectionWriter {
public:
    SectionWriter(const ParkTable& table, std::string_view title) : table_(table), title_(title) {}

    std::vector<std::string> section(bool blankLinesFirst, std::string_view spacer, std::string_view heading,
                                     const FieldPattern& year, std::initializer_list<ColumnRun> runs) const {
        std::vector<std::string> lines;
        lines.reserve(static_cast<std::size_t>(table_.rowCount()) + 5);
        if (blankLinesFirst)
            lines.resize(2);
        lines.push_back(at(kTitleColumn, title_));
        lines.emplace_back(spacer);
        if (!heading.empty())
            lines.push_back(at(kHeadingColumn, heading));
        for (int row = parktable::kColumnCaptionRow; row < table_.rowCount(); ++row) {
            std::string& line = lines.emplace_back();
            line.reserve(kLineReserve);
            park_.appendTo(line, table_.cell(row, col::parkName));
            team_.appendTo(line, teamTextForReport(table_.cell(row, col::teamName)));
            year.appendTo(line, table_.cell(row, col::year));
            for (const ColumnRun& run : runs)
                for (int column = run.first; column <= run.last; ++column)
                    run.field.appendTo(line, table_.cell(row, column));
        }
        return lines;
    }

private:
    static constexpr std::size_t kLineReserve = 136;

    static std::string at(std::size_t column, std::string_view text) {
        std::string line(column - 1, ' ');
        line.append(text);
        return line;
    }

    const ParkTable& table_;
    std::string_view title_;
    const FieldPattern park_{"     !@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@"};
    const FieldPattern team_{"!@@@@@@@@@@@@@@@@@@@@@@@@"};
};

} // namespace

PrintedReport layoutPrintedReport(const ParkTable& table, std::string_view title) {
    const FieldPattern shortYear{"!@@@@ "};
    const FieldPattern longYear{"!@@@@@ "};
    const FieldPattern distance{" @@@@"};
    const FieldPattern narrow{" @@@"};
    const FieldPattern factor{" @@@@@"};
    const FieldPattern word{" !@@@@@@@@@@@@@@@"};

    const SectionWriter writer(table, title);
    PrintedReport report;
    report.leadingLines = {"", ""};
    report.fontFace = kReportFontFace;
    report.fontPoints = kReportFontPoints;
    report.title = title;
    // The fence distance RFL shares the narrower field of the heights.
    report.sections.push_back(
        writer.section(false, "", kHeading1, shortYear,
                       {{col::firstFenceDistance, col::firstFenceDistance + 5, distance},
                        {col::firstFenceDistance + 6, col::firstFactorLHB - 1, narrow}}));
    report.sections.push_back(writer.section(true, " ", kHeading2, longYear,
                                             {{col::firstFactorLHB, col::firstAttribute - 1, factor}}));
    report.sections.push_back(
        writer.section(true, "", {}, longYear, {{col::firstAttribute, col::firstAttribute + 3, word}}));
    report.sections.push_back(
        writer.section(true, " ", {}, longYear, {{col::firstAttribute + 4, col::lastCaptioned, word}}));
    return report;
}

} // namespace vendrix::output
