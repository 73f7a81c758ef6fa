#pragma once

#include "output/printedreport.h"

#include <stdexcept>

namespace vendrix::gui {

// A printer failure; what() names the printer and the reason.
class PrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where the printed report goes: the system's default printer, a PDF file, or a test's recorder.
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;
    // Prints the whole report as one job, landscape. Throws PrintError.
    virtual void print(const output::PrintedReport& report) = 0;
};

} // namespace vendrix::gui
