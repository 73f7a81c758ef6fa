#pragma once

#include <QAccessible>
#include <QPointer>

namespace vendrix::gui {

class ParkGrid;
class ParkGridAccessible;

// One cell of the park grid's accessible table, or one of its column headers, by its place: it says
// what is there now (after a sort or a find, another park may stand in its row). The park name column
// holds the rows' headers. Made and kept by ParkGridAccessible; invalid once its place is gone.
class ParkGridAccessibleCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    enum class Kind { ColumnHeader, Cell };

    ParkGridAccessibleCell(ParkGrid& grid, Kind kind, int row, int column);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return kind_ == Kind::ColumnHeader ? -1 : row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    ParkGridAccessible* owner() const;

    QPointer<ParkGrid> grid_;
    Kind kind_;
    int row_;
    int column_;
};

} // namespace vendrix::gui
