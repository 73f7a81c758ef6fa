#include "parksortcontroller.h"

#include "model/columns.h"
#include "model/viewcolumns.h"
#include "parkrowproxy.h"

namespace vendrix::gui {

ParkSortController::ParkSortController(ParkRowProxy& rows, QObject* parent) : QObject(parent), rows_(rows) {}

void ParkSortController::captionActivated(int column) {
    // Only captioned columns of a built table sort; the empty last two have nothing to order.
    if (!rows_.parkCount() || column < 0 ||
        (column > model::col::lastCaptioned && !model::isViewColumn(column)))
        return;
    int nextColumn = column;
    Qt::SortOrder nextOrder = Qt::AscendingOrder;
    if (rows_.sortColumn() == column) {
        if (rows_.sortOrder() == Qt::AscendingOrder)
            nextOrder = Qt::DescendingOrder;
        else
            nextColumn = -1;
    }
    rows_.sort(nextColumn, nextOrder);
    emit sorted(nextColumn, nextOrder);
}

} // namespace vendrix::gui
