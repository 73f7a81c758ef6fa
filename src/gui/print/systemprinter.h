#pragma once

#include "reportprinter.h"

#include <QString>

class QPrinterInfo;

namespace vendrix::gui {

// The system's default printer (CUPS on Linux), landscape, one job per report.
class SystemPrinter : public ReportPrinter {
public:
    // Throws PrintError naming the printer and the reason; "no default printer" when there is none.
    PrintJob print(const output::PrintedReport& report) override;
    // On the chosen printer (by name), the chosen pages, as many copies as asked.
    PrintJob print(const output::PrintedReport& report, const PrintSetup& setup) override;
    void preview(const output::PrintedReport& report) override;

    // The name of the printer that took the last job.
    const QString& printerName() const { return printerName_; }

private:
    PrintJob printOn(const QPrinterInfo& info, const output::PrintedReport& report, const PrintSetup& setup);

    QString printerName_;
};

} // namespace vendrix::gui
