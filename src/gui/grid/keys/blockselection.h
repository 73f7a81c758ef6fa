#pragma once

#include <QPersistentModelIndex>

class QItemSelectionModel;

namespace vendrix::gui {

class ParkRowProxy;

// The block of park cells the keyboard and Shift+click select, as in a spreadsheet: the current cell
// moves, and with Shift the block reaches from the anchor (where the last plain move or click left
// it) to it. Only park cells join a block; the caption rows are never selected with them.
class BlockSelection {
public:
    BlockSelection(QItemSelectionModel& selection, const ParkRowProxy& rows)
        : selection_(selection), rows_(rows) {}

    // Makes `index` current: alone, or with `extend` the block from the anchor to it.
    void moveTo(const QModelIndex& index, bool extend);
    // Every park cell shown, from the first park to the last captioned column (Ctrl+A).
    void selectAllParks(int lastColumn);
    void setAnchor(const QModelIndex& index) { anchor_ = index; }

private:
    QItemSelectionModel& selection_;
    const ParkRowProxy& rows_;
    QPersistentModelIndex anchor_;
};

} // namespace vendrix::gui
