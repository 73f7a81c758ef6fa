#include "textreport.h"

#include "fieldpattern.h"
#include "reporttext.h"

namespace vendrix::output {

namespace {

using parktable::ParkTable;
namespace col = parktable::col;

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kHeading1 = "         FENCE DISTANCE      "
                                       "         FENCE HEIGHT      ";
constexpr std::string_view kHeading2 = "          LEFT HANDED        "
                                       "RIGHT HANDED            ";

struct TextFieldPatterns {
    FieldPattern park{"  !@@@@@@@@@@@@@@@@@@@@@@@@@@@@@@"};
    FieldPattern team{"!@@@@@@@@@@@@@@@@@@@@@@@@@@@@"};
    FieldPattern year{"!@@@@ "};
    FieldPattern fence{" @@@"};
    FieldPattern factor{" @@@@"};
    FieldPattern word{" !@@@@@@@@@@@@@"};
};

class TextReportWriter {
public:
    explicit TextReportWriter(const ParkTable& table) : table_(table) {
        // Four body lines of about 125 bytes per row, plus the head lines.
        out_.reserve(static_cast<std::size_t>(table.rowCount()) * 4 * 128 + 1024);
    }

    void line(std::string_view text = {}) {
        out_.append(text);
        out_.append(kLineEnd);
    }

    void lineAt(std::size_t column, std::string_view text) {
        out_.append(column - 1, ' ');
        line(text);
    }

    // One line per row from the column-caption row on: the row's prefix, then the given columns.
    void section(const FieldPattern& field, int firstColumn, int lastColumn) {
        for (int row = parktable::kColumnCaptionRow; row < table_.rowCount(); ++row) {
            fields_.park.appendTo(out_, table_.cell(row, col::parkName));
            fields_.team.appendTo(out_, teamTextForReport(table_.cell(row, col::teamName)));
            fields_.year.appendTo(out_, table_.cell(row, col::year));
            for (int column = firstColumn; column <= lastColumn; ++column)
                field.appendTo(out_, table_.cell(row, column));
            out_.append(kLineEnd);
        }
    }

    const TextFieldPatterns& fields() const { return fields_; }
    std::string take() { return std::move(out_); }

private:
    const ParkTable& table_;
    const TextFieldPatterns fields_;
    std::string out_;
};

} // namespace

std::string textReport(const ParkTable& table, std::string_view title) {
    TextReportWriter report(table);
    const TextFieldPatterns& fields = report.fields();
    report.lineAt(kTitleColumn, title);
    report.line();
    report.lineAt(kHeadingColumn, kHeading1);
    report.section(fields.fence, col::firstFenceDistance, col::firstFactorLHB - 1);
    report.line();
    report.lineAt(kHeadingColumn, kHeading2);
    report.section(fields.factor, col::firstFactorLHB, col::firstAttribute - 1);
    report.line();
    report.section(fields.word, col::firstAttribute, col::firstAttribute + 3);
    report.line(" ");
    report.section(fields.word, col::firstAttribute + 4, col::lastCaptioned);
    return report.take();
}

} // namespace vendrix::output
