#include "blockselection.h"

#include "gui/grid/parkrowproxy.h"
#include "parktable/parktable.h"

#include <QItemSelectionModel>
#include <algorithm>

namespace vendrix::gui {

namespace {

bool isParkRow(const ParkRowProxy& rows, const QModelIndex& index) {
    return index.isValid() && index.row() >= parktable::kFirstParkRow && rows.mapToSource(index).isValid();
}

} // namespace

void BlockSelection::moveTo(const QModelIndex& index, bool extend) {
    if (!index.isValid())
        return;
    if (extend && anchor_.isValid() && isParkRow(rows_, index) && isParkRow(rows_, anchor_)) {
        const QModelIndex topLeft =
            rows_.index(std::min(anchor_.row(), index.row()), std::min(anchor_.column(), index.column()));
        const QModelIndex bottomRight =
            rows_.index(std::max(anchor_.row(), index.row()), std::max(anchor_.column(), index.column()));
        selection_.setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        selection_.select(QItemSelection(topLeft, bottomRight), QItemSelectionModel::ClearAndSelect);
    } else {
        selection_.setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        anchor_ = index;
    }
}

void BlockSelection::selectAllParks(int lastColumn) {
    const int rows = rows_.rowCount();
    if (rows <= parktable::kFirstParkRow)
        return;
    const QModelIndex first = rows_.index(parktable::kFirstParkRow, 0);
    const QModelIndex last = rows_.index(rows - 1, lastColumn);
    const QModelIndex current = selection_.currentIndex();
    if (!current.isValid() || current.row() < parktable::kFirstParkRow)
        selection_.setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selection_.select(QItemSelection(first, last), QItemSelectionModel::ClearAndSelect);
    anchor_ = first;
}

} // namespace vendrix::gui
