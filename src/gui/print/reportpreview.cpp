#include "reportpreview.h"

#include "gui/bridge/displaytext.h"
#include "reportpainter.h"

#include <QPainter>
#include <QPrintPreviewWidget>

namespace vendrix::gui {

ReportPreview::ReportPreview(output::PrintedReport report, QWidget* parent)
    : report_(std::move(report)), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    printer_->setPageOrientation(QPageLayout::Landscape);
    printer_->setDocName(printableFromWindows1252(report_.title));
    dialog_ = std::make_unique<QPrintPreviewDialog>(printer_.get(), parent);
    dialog_->setObjectName(QStringLiteral("printPreview"));
    dialog_->setWindowTitle(QStringLiteral("Print preview"));
    QObject::connect(dialog_.get(), &QPrintPreviewDialog::paintRequested, dialog_.get(),
                     [this](QPrinter* printer) {
                         QPainter painter;
                         if (!painter.begin(printer))
                             return;
                         // A page the preview cannot start is left out of it; printing says why.
                         try {
                             paintPrintedReport(painter, *printer, report_, QStringLiteral("Print preview"));
                         } catch (const std::exception&) {
                         }
                         painter.end();
                     });
}

int ReportPreview::pageCount() const {
    auto* pages = dialog_->findChild<QPrintPreviewWidget*>();
    if (pages == nullptr)
        return 0;
    pages->updatePreview();
    return pages->pageCount();
}

} // namespace vendrix::gui
