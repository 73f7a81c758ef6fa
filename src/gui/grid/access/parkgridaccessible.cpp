#include "parkgridaccessible.h"

#include "gui/grid/access/parkgridaccessiblecell.h"
#include "gui/grid/leagueaveragemodel.h"
#include "gui/grid/parkgrid.h"

#include <QItemSelectionModel>

namespace vendrix::gui {

namespace {

using Kind = ParkGridAccessibleCell::Kind;

// Where a rectangle of a view's viewport is on the screen.
QRect onScreen(const QAbstractItemView& view, const QRect& rect) {
    return {view.viewport()->mapToGlobal(rect.topLeft()), rect.size()};
}

// The key of a cell's place in the cache.
qint64 placeKey(bool header, int row, int column) {
    return (static_cast<qint64>(header ? -1 : row) << 32) | static_cast<quint32>(column);
}

} // namespace

ParkGridAccessible::ParkGridAccessible(ParkGrid& grid) : QAccessibleWidget(&grid, QAccessible::Table) {}

ParkGridAccessible::~ParkGridAccessible() {
    forgetCells();
}

void ParkGridAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
            if (auto* grid = qobject_cast<ParkGrid*>(object))
                return new ParkGridAccessible(*grid);
            return nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
}

void ParkGridAccessible::announceCurrent(ParkGrid& grid, const QModelIndex& current) {
    if (!QAccessible::isActive() || !current.isValid() || !grid.hasFocus() || !grid.table())
        return;
    const int columns = shownColumn(grid, grid.model()->columnCount());
    const int column = shownColumn(grid, current.column());
    if (column < 0)
        return;
    // A caption cell (the keyboard's way to sort) is its column's header.
    const int row = current.row() - parktable::kFirstParkRow;
    QAccessibleEvent event(&grid, QAccessible::Focus);
    event.setChild(row < 0 ? column : columns + row * columns + column);
    QAccessible::updateAccessibility(&event);
}

ParkGrid& ParkGridAccessible::grid() const {
    return *static_cast<ParkGrid*>(widget());
}

void* ParkGridAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString ParkGridAccessible::text(QAccessible::Text t) const {
    const QString own = QAccessibleWidget::text(t);
    if (t != QAccessible::Description || !own.isEmpty() || !grid().table())
        return own;
    const ParkRowProxy& rows = grid().shownRows();
    return QStringLiteral("%1 of %2 parks, then the League average")
        .arg(rows.shownParkCount())
        .arg(rows.parkCount());
}

int ParkGridAccessible::parkRowCount() const {
    return grid().table() ? grid().shownRows().shownParkCount() : 0;
}

int ParkGridAccessible::rowCount() const {
    // The League average row follows the parks.
    return grid().table() ? parkRowCount() + 1 : 0;
}

int ParkGridAccessible::columnCount() const {
    return grid().table() ? shownColumn(grid(), grid().model()->columnCount()) : 0;
}

int ParkGridAccessible::modelColumn(const ParkGrid& grid, int column) {
    for (int c = 0; c < grid.model()->columnCount(); ++c)
        if (!grid.isHiddenColumn(c) && column-- == 0)
            return c;
    return -1;
}

int ParkGridAccessible::shownColumn(const ParkGrid& grid, int modelColumn) {
    if (modelColumn < grid.model()->columnCount() && grid.isHiddenColumn(modelColumn))
        return -1;
    int shown = 0;
    for (int c = 0; c < modelColumn; ++c)
        shown += grid.isHiddenColumn(c) ? 0 : 1;
    return shown;
}

int ParkGridAccessible::childCount() const {
    return columnCount() * (rowCount() + 1);
}

QModelIndex ParkGridAccessible::shownIndex(int row, int column) const {
    if (row < 0 || row >= parkRowCount())
        return {};
    return grid().model()->index(row + parktable::kFirstParkRow, modelColumn(grid(), column));
}

QAccessibleInterface* ParkGridAccessible::cached(bool header, int row, int column) const {
    if (column < 0 || column >= columnCount() || (!header && (row < 0 || row >= rowCount())))
        return nullptr;
    const qint64 key = placeKey(header, row, column);
    if (const auto found = cells_.constFind(key); found != cells_.cend())
        return QAccessible::accessibleInterface(*found);
    auto* cell = new ParkGridAccessibleCell(grid(), header ? Kind::ColumnHeader : Kind::Cell, row, column);
    cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

void ParkGridAccessible::forgetCells() {
    for (const QAccessible::Id id : std::as_const(cells_))
        QAccessible::deleteAccessibleInterface(id);
    cells_.clear();
}

void ParkGridAccessible::modelChange(QAccessibleTableModelChangeEvent* event) {
    // Cells stand for places, so a sort or a find leaves them right; a new table may have fewer.
    if (event->modelChangeType() == QAccessibleTableModelChangeEvent::ModelReset)
        forgetCells();
}

QAccessibleInterface* ParkGridAccessible::child(int index) const {
    const int columns = columnCount();
    if (columns == 0 || index < 0 || index >= childCount())
        return nullptr;
    if (index < columns)
        return cached(true, -1, index);
    return cached(false, index / columns - 1, index % columns);
}

int ParkGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr || child->parent() == nullptr || child->parent()->object() != widget())
        return -1;
    const auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    if (cell == nullptr)
        return -1;
    if (child->role() == QAccessible::ColumnHeader)
        return cell->columnIndex();
    return columnCount() * (cell->rowIndex() + 1) + cell->columnIndex();
}

QAccessibleInterface* ParkGridAccessible::cellAt(int row, int column) const {
    return cached(false, row, column);
}

QAccessibleInterface* ParkGridAccessible::columnHeader(int column) const {
    return cached(true, -1, column);
}

QAccessibleInterface* ParkGridAccessible::childAt(int x, int y) const {
    const QPoint at(x, y);
    for (int column = 0; column < columnCount(); ++column)
        if (headerRect(column).contains(at))
            return columnHeader(column);
    const ParkGrid& view = grid();
    const QAbstractItemView* parts[] = {&view, &view.columnPane()};
    for (const QAbstractItemView* part : parts) {
        const QModelIndex index = part->indexAt(part->viewport()->mapFromGlobal(at));
        const int row = index.row() - parktable::kFirstParkRow;
        const int column = shownColumn(view, index.column());
        if (index.isValid() && row >= 0 && column >= 0 && cellRect(row, column).contains(at))
            return cellAt(row, column);
    }
    for (int column = 0; column < columnCount(); ++column)
        if (cellRect(parkRowCount(), column).contains(at))
            return cellAt(parkRowCount(), column);
    return nullptr;
}

QAccessibleInterface* ParkGridAccessible::focusChild() const {
    const QModelIndex current = grid().currentIndex();
    if (!grid().hasFocus() || !current.isValid() || !grid().table())
        return nullptr;
    const int row = current.row() - parktable::kFirstParkRow;
    const int column = shownColumn(grid(), current.column());
    return row < 0 ? columnHeader(column) : cellAt(row, column);
}

int ParkGridAccessible::selectedCellCount() const {
    return static_cast<int>(selectedCells().size());
}

QList<QAccessibleInterface*> ParkGridAccessible::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (const QModelIndex& index : grid().selectionModel()->selectedIndexes())
        if (index.row() >= parktable::kFirstParkRow)
            if (QAccessibleInterface* cell =
                    cellAt(index.row() - parktable::kFirstParkRow, shownColumn(grid(), index.column())))
                cells << cell;
    return cells;
}

QString ParkGridAccessible::columnDescription(int column) const {
    if (column < 0 || column >= columnCount())
        return {};
    return grid()
        .model()
        ->headerData(modelColumn(grid(), column), Qt::Horizontal, Qt::AccessibleTextRole)
        .toString();
}

QString ParkGridAccessible::rowDescription(int row) const {
    return cellName(row, 0);
}

QString ParkGridAccessible::cellName(int row, int column) const {
    if (isAverageRow(row))
        return grid().leagueAverage().index(0, modelColumn(grid(), column)).data(Qt::DisplayRole).toString();
    return shownIndex(row, column).data(Qt::AccessibleTextRole).toString();
}

QString ParkGridAccessible::cellDescription(int row, int column) const {
    if (!isAverageRow(row))
        return shownIndex(row, column).data(Qt::AccessibleDescriptionRole).toString();
    if (column == 0)
        return QStringLiteral(
            "Not a park: the mean of each number column over the parks whose value can be real");
    return grid().leagueAverage().index(0, modelColumn(grid(), column)).data(Qt::ToolTipRole).toString();
}

QRect ParkGridAccessible::cellRect(int row, int shown) const {
    const ParkGrid& view = grid();
    const int column = modelColumn(view, shown);
    const bool fixed = column < view.parkModel().fixedColumnCount();
    if (isAverageRow(row)) {
        const QTableView& foot = fixed ? view.footCornerPane() : view.footPane();
        return onScreen(foot, foot.visualRect(view.leagueAverage().index(0, column)));
    }
    const QModelIndex index = shownIndex(row, shown);
    const QAbstractItemView& part = fixed ? static_cast<const QAbstractItemView&>(view.columnPane()) : view;
    return index.isValid() ? onScreen(part, part.visualRect(index)) : QRect();
}

bool ParkGridAccessible::isCellSelected(int row, int column) const {
    const QModelIndex index = shownIndex(row, column);
    return index.isValid() && grid().selectionModel()->isSelected(index);
}

bool ParkGridAccessible::isCellCurrent(int row, int column) const {
    const QModelIndex current = grid().currentIndex();
    if (!current.isValid())
        return false;
    if (row < 0)
        return current.row() == parktable::kColumnCaptionRow &&
               current.column() == modelColumn(grid(), column);
    return current == shownIndex(row, column);
}

QString ParkGridAccessible::headerDescription(int shown) const {
    const ParkRowProxy& rows = grid().shownRows();
    const int column = modelColumn(grid(), shown);
    QString text = rows.headerData(column, Qt::Horizontal, Qt::AccessibleDescriptionRole).toString();
    if (rows.sortColumn() != column || column < 0)
        return text;
    const bool ascending = rows.sortOrder() == Qt::AscendingOrder;
    const bool numbers = model::column(column).isNumber();
    // What the arrow in the caption shows.
    const QString order = numbers
                              ? (ascending ? QStringLiteral("lowest first") : QStringLiteral("highest first"))
                              : (ascending ? QStringLiteral("A to Z") : QStringLiteral("Z to A"));
    return text + QStringLiteral("; the parks sorted by it, ") + order;
}

QRect ParkGridAccessible::headerRect(int shown) const {
    const ParkGrid& view = grid();
    const int column = modelColumn(view, shown);
    const QTableView& pane =
        column < view.parkModel().fixedColumnCount() ? view.cornerPane() : view.captionPane();
    return onScreen(pane, pane.visualRect(view.model()->index(parktable::kColumnCaptionRow, column)));
}

} // namespace vendrix::gui
