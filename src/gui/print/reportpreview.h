#pragma once

#include "output/printedreport.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <memory>

namespace vendrix::gui {

// "Print preview": the printed report's pages as they print, landscape, in the system's preview
// dialog (which can print from there).
class ReportPreview {
public:
    explicit ReportPreview(output::PrintedReport report, QWidget* parent = nullptr);

    QPrintPreviewDialog& dialog() const { return *dialog_; }
    // The pages the preview shows, once it has laid them out.
    int pageCount() const;

private:
    output::PrintedReport report_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPrintPreviewDialog> dialog_;
};

} // namespace vendrix::gui
