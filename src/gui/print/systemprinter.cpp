#include "systemprinter.h"

#include "gui/bridge/displaytext.h"
#include "reportpainter.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace vendrix::gui {

namespace {

[[noreturn]] void fail(const QString& printer, const char* reason) {
    throw PrintError("Printer " + printer.toStdString() + ": " + reason);
}

} // namespace

void SystemPrinter::print(const output::PrintedReport& report) {
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull())
        throw PrintError("No default printer is set up: add a printer and make it the default");
    printerName_ = defaultPrinter.printerName();

    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    if (!printer.isValid())
        fail(printerName_, "the printer cannot be used");
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(printableFromWindows1252(report.title));
    printer.setCreator(QStringLiteral("Vendrix"));

    QPainter painter;
    if (!painter.begin(&printer))
        fail(printerName_, "the print job cannot be started");
    paintPrintedReport(painter, printer, report, "Printer " + printerName_);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        fail(printerName_, "the printer did not take the job");
}

} // namespace vendrix::gui
