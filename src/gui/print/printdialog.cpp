#include "printdialog.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace vendrix::gui {

std::optional<PrintSetup> SystemPrintDialog::ask() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintShowPageSize);
    // The page count depends on the printer's paper; any range is taken, pages beyond the end are none.
    dialog.setMinMax(1, 9999);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    PrintSetup setup;
    setup.printer = printer.printerName();
    setup.copies = std::max(1, printer.copyCount());
    if (printer.printRange() == QPrinter::PageRange) {
        setup.firstPage = std::max(1, printer.fromPage());
        setup.lastPage = printer.toPage();
    }
    return setup;
}

} // namespace vendrix::gui
