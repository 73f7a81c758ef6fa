#include "parkdiagramfiles.h"

#include "gui/bridge/displaytext.h"
#include "parkdiagrampainter.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#ifdef VENDRIX_HAS_SVG
#include <QSvgGenerator>
#endif
#include <stdexcept>

namespace vendrix::gui {

bool ParkDiagramFiles::canWriteSvg() {
#ifdef VENDRIX_HAS_SVG
    return true;
#else
    return false;
#endif
}

QByteArray ParkDiagramFiles::svg(const ParkDiagram& diagram, QSize size) {
#ifndef VENDRIX_HAS_SVG
    (void)diagram;
    (void)size;
    throw std::runtime_error(kNoSvgMessage);
#else
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(diagram.name);
    generator.setDescription(QStringLiteral("Park diagram drawn by Vendrix"));
    QPainter painter(&generator);
    ParkDiagramPainter::paint(painter, QRectF(QPointF(0, 0), size), diagram,
                              ParkDiagramPainter::Detail::Full);
    painter.end();
    return buffer.data();
#endif
}

QImage ParkDiagramFiles::image(const ParkDiagram& diagram, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ParkDiagramPainter::paint(painter, QRectF(QPointF(0, 0), size), diagram,
                              ParkDiagramPainter::Detail::Full);
    return image;
}

QByteArray ParkDiagramFiles::png(const ParkDiagram& diagram, QSize size) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image(diagram, size).save(&buffer, "PNG");
    return buffer.data();
}

QByteArray ParkDiagramFiles::sheet(const parktable::ParkTable& table, std::string_view title) {
    const parkshape::SeasonShapes season = parkshape::SeasonShapes::of(table);
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
        const double cellWidth = content.width() / kSheetColumns;
        const double cellHeight = (content.height() - headHeight) / kSheetRows;
        const int perPage = kSheetColumns * kSheetRows;
        const int parks = table.parkCount();
        const int pages = std::max(1, (parks + perPage - 1) / perPage);
        QFont headFont(QStringLiteral("Liberation Sans"));
        headFont.setPixelSize(static_cast<int>(headHeight * 0.5));
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
                const ParkDiagram diagram =
                    ParkDiagram::ofRow(table, parktable::kFirstParkRow + park, season);
                ParkDiagramPainter::paint(painter, cell.adjusted(4, 4, -4, -4), diagram,
                                          ParkDiagramPainter::Detail::SheetCell);
            }
        }
        if (!painter.end())
            throw std::runtime_error("the PDF document cannot be finished");
    }
    return buffer.data();
}

} // namespace vendrix::gui
