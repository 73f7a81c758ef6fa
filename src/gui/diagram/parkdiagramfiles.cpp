#include "parkdiagramfiles.h"

#include "drawingpainter.h"
#include "gui/bridge/displaytext.h"
#include "parkdiagrampainter.h"
#include "parkdrawing/svgwriter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <stdexcept>

namespace vendrix::gui {

QByteArray ParkDiagramFiles::svg(const ParkDiagram& diagram, QSize size, bool showAverage) {
    const std::string svg = parkdrawing::SvgWriter::write(
        ParkDiagramPainter::drawingOf(diagram, size, ParkDiagramPainter::Detail::Full, showAverage),
        {.title = diagram.name, .description = "Park diagram drawn by Vendrix"});
    return QByteArray(svg.data(), static_cast<qsizetype>(svg.size()));
}

QImage ParkDiagramFiles::image(const ParkDiagram& diagram, QSize size, int scale, bool showAverage) {
    scale = std::clamp(scale, 1, 8);
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ParkDiagramPainter::paint(painter, QRectF(QPointF(0, 0), QSizeF(image.size())), diagram,
                              ParkDiagramPainter::Detail::Full, showAverage, QSizeF(size));
    return image;
}

QByteArray ParkDiagramFiles::png(const ParkDiagram& diagram, QSize size, int scale, bool showAverage) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image(diagram, size, scale, showAverage).save(&buffer, "PNG");
    return buffer.data();
}

QByteArray ParkDiagramFiles::sheet(const model::Season& season, std::string_view title,
                                   const SheetProgress& progress) {
    const parkshape::SeasonShapes shapes = parkshape::SeasonShapes::of(season);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Vendrix"));
        writer.setTitle(fromWindows1252(title));
        writer.setResolution(150);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&writer))
            throw std::runtime_error("the PDF document cannot be started");
        const QRectF page = writer.pageLayout().paintRectPixels(writer.resolution());
        const QRectF content(0, 0, page.width(), page.height());
        const double headHeight = content.height() * 0.04;
        const double legendHeight = content.height() * 0.035;
        const double cellWidth = content.width() / kSheetColumns;
        const double cellHeight = (content.height() - headHeight - legendHeight) / kSheetRows;
        const int perPage = kSheetColumns * kSheetRows;
        const int parks = season.parkCount();
        const int pages = std::max(1, (parks + perPage - 1) / perPage);
        QFont headFont(QStringLiteral("Liberation Sans"));
        headFont.setPixelSize(static_cast<int>(headHeight * 0.5));
        // One legend for every cell of a page, the same on each page.
        const QRectF legendBox(content.left(), content.bottom() - legendHeight * 0.8, content.width(),
                               legendHeight * 0.8);
        const parkdrawing::Drawing legend = parkdrawing::ParkDrawing::sheetLegend(
            legendBox.width(), legendBox.height(), shapes.average.has_value(), shapes.averageName());
        for (int pageIndex = 0; pageIndex < pages; ++pageIndex) {
            if (pageIndex > 0 && !writer.newPage())
                throw std::runtime_error("the PDF document cannot take another page");
            painter.setFont(headFont);
            painter.setPen(Qt::black);
            const QRectF head(0, 0, content.width(), headHeight);
            painter.drawText(head, Qt::AlignLeft | Qt::AlignVCenter, fromWindows1252(title));
            painter.drawText(
                head, Qt::AlignRight | Qt::AlignVCenter,
                QStringLiteral("Page %1 of %2, all parks at one scale").arg(pageIndex + 1).arg(pages));
            for (int slot = 0; slot < perPage; ++slot) {
                const int park = pageIndex * perPage + slot;
                if (park >= parks)
                    break;
                const QRectF cell(cellWidth * (slot % kSheetColumns),
                                  headHeight + cellHeight * (slot / kSheetColumns), cellWidth, cellHeight);
                const ParkDiagram diagram = ParkDiagram::of(season.parkAtRow(park + 1), shapes);
                ParkDiagramPainter::paint(painter, cell.adjusted(4, 4, -4, -4), diagram,
                                          ParkDiagramPainter::Detail::SheetCell);
                if (progress && !progress(park + 1, parks))
                    return {};
            }
            DrawingPainter::paint(painter, legend, legendBox);
        }
        if (!painter.end())
            throw std::runtime_error("the PDF document cannot be finished");
    }
    return buffer.data();
}

} // namespace vendrix::gui
