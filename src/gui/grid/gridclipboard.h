#pragma once

#include <QItemSelection>
#include <QString>

namespace vendrix::gui {

class ParkRowProxy;
class ParkTableModel;

// The grid's chosen cells as text for the clipboard, which a spreadsheet pastes cell for cell:
// tab-separated lines, the park rows in the order shown, each cell on one line.
class GridClipboard {
public:
    GridClipboard(const ParkTableModel& model, const ParkRowProxy& shownRows);

    // The cells of `selection` (indexes of the shown rows) from the leftmost chosen column to the
    // rightmost; a cell not chosen in its row stays an empty field. Caption rows are left out, unless
    // `withCaptions` puts the two caption rows of those columns above the block.
    QString textOf(const QItemSelection& selection, bool withCaptions = false) const;
    // Puts textOf(selection) on the system's clipboard; an empty selection leaves it as it was.
    void copy(const QItemSelection& selection, bool withCaptions) const;
    // A cell's text as one field: line breaks and tabs become blanks and the padding that is not
    // seen goes.
    static QString fieldOf(QString text);

private:
    const ParkTableModel& model_;
    const ParkRowProxy& shownRows_;
};

} // namespace vendrix::gui
