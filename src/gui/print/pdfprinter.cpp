#include "pdfprinter.h"

#include "gui/bridge/displaytext.h"
#include "gui/bridge/nativepath.h"
#include "output/outputfile.h"
#include "reportpainter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace vendrix::gui {

QByteArray PdfPrinter::render(const output::PrintedReport& report, int* pages) {
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
        const int painted = paintPrintedReport(painter, writer, report, QStringLiteral("PDF"));
        if (pages != nullptr)
            *pages = painted;
        if (!painter.end())
            throw PrintError("PDF: the document cannot be finished");
    }
    return buffer.data();
}

PrintJob PdfPrinter::print(const output::PrintedReport& report) {
    int pages = 0;
    const QByteArray pdf = render(report, &pages);
    try {
        output::writeOutputFile(target_,
                                std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    } catch (const output::OutputError& error) {
        throw PrintError(error.what());
    }
    return {fromNativePath(target_), pages};
}

} // namespace vendrix::gui
