#include "reportpainter.h"

#include "fixedpitchfont.h"
#include "gui/bridge/displaytext.h"
#include "output/printedpages.h"
#include "reportglyphs.h"
#include "reportprinter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QStringList>
#include <algorithm>

namespace vendrix::gui {

namespace {

// The installed face's own spelling of a name that matches it without regard to case. A Windows
// printer compares the face it sets with the name asked for letter by letter, and where they differ
// Qt hands it the page as outlines instead of text.
QString installedSpelling(const QString& face) {
    const QStringList families = QFontDatabase::families();
    const auto found = std::find_if(families.begin(), families.end(), [&](const QString& family) {
        return family.compare(face, Qt::CaseInsensitive) == 0;
    });
    return found == families.end() ? face : *found;
}

} // namespace

QFont reportFont(const output::PrintedReport& report, const QPaintDevice& device) {
    // The style hint leads a missing face to a fixed-pitch one where the system's font matching heeds it.
    QFont font(installedSpelling(
        QString::fromLatin1(report.fontFace.data(), static_cast<qsizetype>(report.fontFace.size()))));
    font.setPointSize(report.fontPoints);
    font.setStyleHint(QFont::TypeWriter);
    return fixedPitchFont(font, device);
}

int paintPrintedReport(QPainter& painter, QPagedPaintDevice& device, const output::PrintedReport& report,
                       const QString& deviceName, const PageRange& chosen) {
    const QFont leadingFont = withoutShaping(painter.font());
    const QFont bodyFont = reportFont(report, device);
    const QFontMetricsF leadingMetrics(leadingFont, &device);
    const QFontMetricsF bodyMetrics(bodyFont, &device);
    const output::PageMetrics metrics{static_cast<double>(device.height()), leadingMetrics.lineSpacing(),
                                      bodyMetrics.lineSpacing()};
    const std::vector<output::PrintedPage> pages = output::paginate(report, metrics);
    const ReportGlyphs bodyGlyphs(bodyFont, device);
    // Glyphs at fixed columns save a PDF its blanks; a printer driver is handed text instead, which
    // it can set in its own copy of the font (a Windows printer would otherwise get the page as
    // outlines or pixels).
    const bool drawGlyphs = bodyGlyphs.fitColumns() && device.paintEngine() != nullptr &&
                            device.paintEngine()->type() == QPaintEngine::Pdf;

    enum class Face { None, Leading, Body } face = Face::None;
    int painted = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (!chosen.holds(static_cast<int>(p) + 1))
            continue;
        if (painted++ > 0 && !device.newPage())
            throw PrintError(deviceName.toStdString() + ": cannot start a new page");
        for (const output::PageLine& line : pages[p]) {
            const Face wanted = line.inReportFont ? Face::Body : Face::Leading;
            if (wanted != face) {
                painter.setFont(line.inReportFont ? bodyFont : leadingFont);
                face = wanted;
            }
            if (line.text.empty())
                continue;
            const double ascent = line.inReportFont ? bodyMetrics.ascent() : leadingMetrics.ascent();
            const QPointF baseline(0, line.top + ascent);
            if (line.inReportFont && drawGlyphs) {
                const QGlyphRun ink = bodyGlyphs.inkOf(line.text);
                if (!ink.isEmpty())
                    painter.drawGlyphRun(baseline, ink);
            } else {
                painter.drawText(baseline, printableFromWindows1252(line.text));
            }
        }
    }
    return painted;
}

} // namespace vendrix::gui
