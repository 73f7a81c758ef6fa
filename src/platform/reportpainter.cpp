#include "reportpainter.h"

#include "output/printedpages.h"
#include "reportprinter.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <array>

namespace vendrix::platform {

namespace {

// Windows-1252 bytes 0x80 to 0x9F; 0 marks the five codes that have no character.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t characterOf(unsigned char byte) {
    if (byte < 0x20 || byte == 0x7F)
        return u'?';
    if (byte >= 0x80 && byte < 0xA0) {
        const char16_t mapped = kHighControls[byte - 0x80];
        return mapped != 0 ? mapped : u'?';
    }
    return byte; // the rest of the code page is Latin-1
}

} // namespace

QString textFromWindows1252(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (char byte : bytes)
        *out++ = QChar(characterOf(static_cast<unsigned char>(byte)));
    return text;
}

QFont reportFont(const output::PrintedReport& report) {
    // Face names match without regard to case; the style hint leads a missing face to a fixed-pitch one.
    QFont font(QString::fromLatin1(report.fontFace.data(), static_cast<qsizetype>(report.fontFace.size())));
    font.setPointSize(report.fontPoints);
    font.setStyleHint(QFont::TypeWriter);
    if (QFontInfo(font).fixedPitch())
        return font;
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(report.fontPoints);
    return fixed;
}

void paintPrintedReport(QPainter& painter, QPagedPaintDevice& device, const output::PrintedReport& report,
                        const QString& deviceName) {
    const QFont leadingFont = painter.font();
    const QFont bodyFont = reportFont(report);
    const QFontMetricsF leadingMetrics(leadingFont, &device);
    const QFontMetricsF bodyMetrics(bodyFont, &device);
    const output::PageMetrics metrics{static_cast<double>(device.height()), leadingMetrics.lineSpacing(),
                                      bodyMetrics.lineSpacing()};
    const std::vector<output::PrintedPage> pages = output::paginate(report, metrics);

    enum class Face { None, Leading, Body } face = Face::None;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0 && !device.newPage())
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
            painter.drawText(QPointF(0, line.top + ascent), textFromWindows1252(line.text));
        }
    }
}

} // namespace vendrix::platform
