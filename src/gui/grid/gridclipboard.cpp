#include "gridclipboard.h"

#include "parkrowproxy.h"
#include "parktablemodel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QStringList>
#include <algorithm>
#include <map>
#include <vector>

namespace vendrix::gui {

GridClipboard::GridClipboard(const ParkTableModel& model, const ParkRowProxy& shownRows)
    : model_(model), shownRows_(shownRows) {}

QString GridClipboard::fieldOf(QString text) {
    for (QChar& c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    while (!text.isEmpty() && text.back() == QLatin1Char(' '))
        text.chop(1);
    return text;
}

QString GridClipboard::textOf(const QItemSelection& selection, bool withCaptions) const {
    // Rows in the order shown, each with the columns chosen in it.
    std::map<int, std::vector<bool>> rows;
    const int columns = model_.columnCount();
    int firstColumn = columns;
    int lastColumn = -1;
    for (const QItemSelectionRange& range : selection) {
        firstColumn = std::min(firstColumn, range.left());
        lastColumn = std::max(lastColumn, range.right());
        for (int row = range.top(); row <= range.bottom(); ++row) {
            std::vector<bool>& chosen = rows[row];
            chosen.resize(static_cast<std::size_t>(columns));
            for (int column = range.left(); column <= range.right(); ++column)
                chosen[static_cast<std::size_t>(column)] = true;
        }
    }
    QString text;
    // The two caption rows as the grid shows them: a distance's "LF" apart from a height's.
    for (int captionRow = 0; withCaptions && captionRow < parktable::kCaptionRowCount; ++captionRow) {
        QStringList cells;
        for (int column = firstColumn; column <= lastColumn; ++column)
            cells << fieldOf(model_.cellText(captionRow, column)).trimmed();
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    for (const auto& [row, chosen] : rows) {
        const int tableRow = shownRows_.mapToSource(shownRows_.index(row, 0)).row();
        if (!model_.isParkRow(tableRow))
            continue;
        QStringList cells;
        for (int column = firstColumn; column <= lastColumn; ++column)
            cells << (chosen[static_cast<std::size_t>(column)] ? fieldOf(model_.cellText(tableRow, column))
                                                               : QString());
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return lastColumn < 0 ? QString() : text;
}

void GridClipboard::copy(const QItemSelection& selection, bool withCaptions) const {
    const QString text = textOf(selection, withCaptions);
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

} // namespace vendrix::gui
