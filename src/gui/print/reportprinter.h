#pragma once

#include "output/printedreport.h"
#include "printdialog.h"

#include <QString>
#include <stdexcept>

namespace vendrix::gui {

// A printer failure; what() names the printer and the reason.
class PrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a print sent, for the note the window leaves: where it went and how many pages of each copy.
struct PrintJob {
    QString printer;
    int pages = 0;
    int copies = 1;
};

// Where the printed report goes: the system's default printer, a PDF file, or a test's recorder.
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;
    // Prints the whole report as one job, landscape. Throws PrintError.
    virtual PrintJob print(const output::PrintedReport& report) = 0;
    // Prints as the print dialog chose: printer, pages, copies. Where only one printer is at hand
    // (a PDF file), the whole report goes there.
    virtual PrintJob print(const output::PrintedReport& report, const PrintSetup& setup) {
        static_cast<void>(setup);
        return print(report);
    }
    // Shows the report's pages on screen before printing; nothing where there is no screen.
    virtual void preview(const output::PrintedReport& report) { static_cast<void>(report); }
};

} // namespace vendrix::gui
