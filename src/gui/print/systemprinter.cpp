#include "systemprinter.h"

#include "gui/bridge/displaytext.h"
#include "reportpainter.h"
#include "reportpreview.h"

#include <QApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace vendrix::gui {

namespace {

[[noreturn]] void fail(const QString& printer, const char* reason) {
    throw PrintError("Printer " + printer.toStdString() + ": " + reason);
}

} // namespace

PrintJob SystemPrinter::print(const output::PrintedReport& report) {
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull())
        throw PrintError("No default printer is set up: add a printer and make it the default");
    printerName_ = defaultPrinter.printerName();

    return printOn(defaultPrinter, report, {});
}

PrintJob SystemPrinter::print(const output::PrintedReport& report, const PrintSetup& setup) {
    const QPrinterInfo chosen =
        setup.printer.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(setup.printer);
    if (chosen.isNull())
        throw PrintError("Printer " + setup.printer.toStdString() + ": no such printer is set up");
    return printOn(chosen, report, setup);
}

void SystemPrinter::preview(const output::PrintedReport& report) {
    ReportPreview(report, QApplication::activeWindow()).dialog().exec();
}

PrintJob SystemPrinter::printOn(const QPrinterInfo& info, const output::PrintedReport& report,
                                const PrintSetup& setup) {
    printerName_ = info.printerName();
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid())
        fail(printerName_, "the printer cannot be used");
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(printableFromWindows1252(report.title));
    printer.setCreator(QStringLiteral("Vendrix"));
    printer.setCopyCount(std::max(1, setup.copies));

    QPainter painter;
    if (!painter.begin(&printer))
        fail(printerName_, "the print job cannot be started");
    const int pages = paintPrintedReport(painter, printer, report, "Printer " + printerName_,
                                         {setup.firstPage, setup.lastPage});
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        fail(printerName_, "the printer did not take the job");
    return {printerName_, pages, printer.copyCount()};
}

} // namespace vendrix::gui
