#include "parkgridaccessiblecell.h"

#include "gui/grid/access/parkgridaccessible.h"
#include "gui/grid/parkgrid.h"

#include <QWidget>

namespace vendrix::gui {

ParkGridAccessibleCell::ParkGridAccessibleCell(ParkGrid& grid, Kind kind, int row, int column)
    : grid_(&grid), kind_(kind), row_(row), column_(column) {}

ParkGridAccessible* ParkGridAccessibleCell::owner() const {
    if (grid_.isNull())
        return nullptr;
    return dynamic_cast<ParkGridAccessible*>(QAccessible::queryAccessibleInterface(grid_.data()));
}

bool ParkGridAccessibleCell::isValid() const {
    const ParkGridAccessible* table = owner();
    return table != nullptr && column_ < table->columnCount() &&
           (kind_ == Kind::ColumnHeader || row_ < table->rowCount());
}

QWindow* ParkGridAccessibleCell::window() const {
    return grid_ ? grid_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* ParkGridAccessibleCell::parent() const {
    return owner();
}

QAccessibleInterface* ParkGridAccessibleCell::table() const {
    return owner();
}

QString ParkGridAccessibleCell::text(QAccessible::Text t) const {
    const ParkGridAccessible* table = owner();
    if (table == nullptr)
        return {};
    switch (t) {
    case QAccessible::Name:
        return kind_ == Kind::ColumnHeader ? table->columnDescription(column_)
                                           : table->cellName(row_, column_);
    case QAccessible::Description:
        return kind_ == Kind::ColumnHeader ? table->headerDescription(column_)
                                           : table->cellDescription(row_, column_);
    default:
        return {};
    }
}

QRect ParkGridAccessibleCell::rect() const {
    const ParkGridAccessible* table = owner();
    if (table == nullptr)
        return {};
    return kind_ == Kind::ColumnHeader ? table->headerRect(column_) : table->cellRect(row_, column_);
}

QAccessible::Role ParkGridAccessibleCell::role() const {
    if (kind_ == Kind::ColumnHeader)
        return QAccessible::ColumnHeader;
    return column_ == 0 ? QAccessible::RowHeader : QAccessible::Cell;
}

QAccessible::State ParkGridAccessibleCell::state() const {
    QAccessible::State state;
    const ParkGridAccessible* table = owner();
    if (table == nullptr) {
        state.invalid = true;
        return state;
    }
    const QRect shown = rect();
    const QRect view(grid_->mapToGlobal(QPoint(0, 0)), grid_->size());
    if (!shown.isValid() || !shown.intersects(view))
        state.offscreen = true;
    const int row = kind_ == Kind::ColumnHeader ? -1 : row_;
    state.focusable = !table->isAverageRow(row);
    state.focused = grid_->hasFocus() && table->isCellCurrent(row, column_);
    state.active = state.focused;
    if (kind_ == Kind::Cell && !table->isAverageRow(row_)) {
        state.selectable = true;
        state.selected = table->isCellSelected(row_, column_);
    }
    return state;
}

void* ParkGridAccessibleCell::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return nullptr;
}

bool ParkGridAccessibleCell::isSelected() const {
    const ParkGridAccessible* table = owner();
    return table != nullptr && kind_ == Kind::Cell && table->isCellSelected(row_, column_);
}

QList<QAccessibleInterface*> ParkGridAccessibleCell::columnHeaderCells() const {
    const ParkGridAccessible* table = owner();
    if (table == nullptr || kind_ == Kind::ColumnHeader)
        return {};
    return {table->columnHeader(column_)};
}

QList<QAccessibleInterface*> ParkGridAccessibleCell::rowHeaderCells() const {
    const ParkGridAccessible* table = owner();
    if (table == nullptr || kind_ == Kind::ColumnHeader)
        return {};
    // The park's name heads its row, and is its own header too: a reader asks a row's first cell.
    return {table->cellAt(row_, 0)};
}

} // namespace vendrix::gui
