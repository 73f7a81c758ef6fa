#include "pdfprinter.h"

#include "gui/bridge/displaytext.h"
#include "output/outputfile.h"
#include "reportpainter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace vendrix::gui {

QByteArray PdfPrinter::render(const output::PrintedReport& report) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Vendrix"));
        writer.setTitle(printableFromWindows1252(report.title));
        // 10 mm margins leave 129 columns of 10-point type across a landscape A4 sheet.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&writer))
            throw PrintError("PDF: the document cannot be started");
        paintPrintedReport(painter, writer, report, QStringLiteral("PDF"));
        if (!painter.end())
            throw PrintError("PDF: the document cannot be finished");
    }
    return buffer.data();
}

void PdfPrinter::print(const output::PrintedReport& report) {
    const QByteArray pdf = render(report);
    try {
        output::writeOutputFile(target_,
                                std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    } catch (const output::OutputError& error) {
        throw PrintError(error.what());
    }
}

} // namespace vendrix::gui
