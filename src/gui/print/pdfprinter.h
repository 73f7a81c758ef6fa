#pragma once

#include "reportprinter.h"

#include <QByteArray>
#include <filesystem>

namespace vendrix::gui {

// The printed report drawn into a PDF file: landscape A4, the same layout as on paper.
class PdfPrinter : public ReportPrinter {
public:
    explicit PdfPrinter(std::filesystem::path target) : target_(std::move(target)) {}

    // Writes the whole document, replacing the target only once it is complete. Throws PrintError
    // naming the file and the reason.
    PrintJob print(const output::PrintedReport& report) override;
    using ReportPrinter::print;

    // The document's bytes; `pages`, when given, gets its number of pages. Throws PrintError.
    static QByteArray render(const output::PrintedReport& report, int* pages = nullptr);

private:
    std::filesystem::path target_;
};

} // namespace vendrix::gui
