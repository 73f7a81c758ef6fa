#pragma once

#include "reportprinter.h"

#include <QString>

namespace vendrix::gui {

// The system's default printer (CUPS on Linux), landscape, one job per report.
class SystemPrinter : public ReportPrinter {
public:
    // Throws PrintError naming the printer and the reason; "no default printer" when there is none.
    void print(const output::PrintedReport& report) override;

    // The name of the printer that took the last job.
    const QString& printerName() const { return printerName_; }

private:
    QString printerName_;
};

} // namespace vendrix::gui
