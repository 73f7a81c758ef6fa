#include "fixedpitchfont.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QRawFont>
#include <QStringList>
#include <algorithm>

namespace vendrix::gui {

namespace {

QFont sizedLike(QFont font, const QFont& wanted) {
    if (wanted.pointSizeF() > 0)
        font.setPointSizeF(wanted.pointSizeF());
    else
        font.setPixelSize(wanted.pixelSize());
    font.setWeight(wanted.weight());
    font.setItalic(wanted.italic());
    return font;
}

// Printer drivers that download fonts (a PostScript one among them) may fail on outlines other
// than TrueType.
bool hasTrueTypeOutlines(const QFont& font, const QPaintDevice& device) {
    return !QRawFont::fromFont(QFont(font, &device)).fontTable("glyf").isEmpty();
}

} // namespace

bool drawsFixedPitch(const QFont& font, const QPaintDevice& device) {
    const QFontMetricsF metrics(font, &device);
    const qreal i = metrics.horizontalAdvance(QLatin1Char('i'));
    return i > 0 && metrics.horizontalAdvance(QLatin1Char('W')) == i &&
           metrics.horizontalAdvance(QLatin1Char('m')) == i;
}

QFont withoutShaping(QFont font) {
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    font.setKerning(false);
    return font;
}

QFont fixedPitchFont(const QFont& wanted, const QPaintDevice& device) {
    if (drawsFixedPitch(wanted, device))
        return withoutShaping(wanted);
    const QFont system = sizedLike(QFontDatabase::systemFont(QFontDatabase::FixedFont), wanted);
    if (drawsFixedPitch(system, device))
        return withoutShaping(system);
    QStringList families = QFontDatabase::families();
    families.removeIf([](const QString& family) { return !QFontDatabase::isFixedPitch(family); });
    std::stable_partition(families.begin(), families.end(), [&](const QString& family) {
        return hasTrueTypeOutlines(sizedLike(QFont(family), wanted), device);
    });
    for (const QString& family : families) {
        const QFont installed = sizedLike(QFont(family), wanted);
        if (drawsFixedPitch(installed, device))
            return withoutShaping(installed);
    }
    return withoutShaping(wanted);
}

} // namespace vendrix::gui
