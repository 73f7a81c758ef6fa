#include "reportglyphs.h"

#include "gui/bridge/displaytext.h"

#include <QFont>
#include <QList>
#include <QPaintDevice>
#include <string>

namespace vendrix::gui {

ReportGlyphs::ReportGlyphs(const QFont& font, const QPaintDevice& device)
    : font_(QRawFont::fromFont(QFont(font, &device))) {
    if (!font_.isValid())
        return;
    std::string everyByte(glyphs_.size(), '\0');
    for (std::size_t byte = 0; byte < everyByte.size(); ++byte)
        everyByte[byte] = static_cast<char>(byte);
    const QString characters = printableFromWindows1252(everyByte);
    int count = static_cast<int>(glyphs_.size());
    if (!font_.glyphIndexesForChars(characters.constData(), static_cast<int>(characters.size()),
                                    glyphs_.data(), &count) ||
        count != static_cast<int>(glyphs_.size()))
        return;
    const QList<quint32> indexes(glyphs_.begin(), glyphs_.end());
    // Design advances: a hinted one is rounded to whole device pixels, which differ by system, and the
    // columns would drift apart across a line.
    const QList<QPointF> advances = font_.advancesForGlyphIndexes(indexes, QRawFont::UseDesignMetrics);
    columnWidth_ = advances.value(' ').x();
    fitColumns_ = columnWidth_ > 0;
    for (qsizetype i = 0; i < indexes.size(); ++i)
        fitColumns_ = fitColumns_ && indexes[i] != 0 && advances.value(i).x() == columnWidth_;
}

QGlyphRun ReportGlyphs::inkOf(std::string_view line) const {
    QList<quint32> indexes;
    QList<QPointF> positions;
    indexes.reserve(static_cast<qsizetype>(line.size()));
    positions.reserve(static_cast<qsizetype>(line.size()));
    for (std::size_t column = 0; column < line.size(); ++column) {
        if (line[column] == ' ')
            continue;
        indexes.push_back(glyphs_[static_cast<unsigned char>(line[column])]);
        positions.push_back(QPointF(static_cast<qreal>(column) * columnWidth_, 0));
    }
    QGlyphRun run;
    run.setRawFont(font_);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    return run;
}

} // namespace vendrix::gui
