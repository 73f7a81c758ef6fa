#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QModelIndex>

namespace vendrix::gui {

class ParkGrid;

// The park grid as assistive technology reads it (a screen reader, through AT-SPI or UI Automation):
// a table of the parks shown, in the order shown, and the League average row after them. Each column
// is headed by its caption and group ("LFL, fence distance"), each park's name cell is its row's
// header, a cell's name is its text without padding and its description what its tooltip says (why a
// value is marked, what it was in the compared season). The two caption rows, which the display shows
// as cells, are the column headers here, not rows. Rows and columns count from the first park and the
// first column; the children are the column headers, then the cells row by row.
class ParkGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit ParkGridAccessible(ParkGrid& grid);
    ~ParkGridAccessible() override;

    // Makes this the interface of every ParkGrid, once; the grid calls it.
    static void install();
    // Tells assistive technology which cell is current now, in this table's numbering.
    static void announceCurrent(ParkGrid& grid, const QModelIndex& current);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    // What the cells of this table say of themselves, by this table's row and column.
    QAccessibleInterface* columnHeader(int column) const;
    int parkRowCount() const;
    bool isAverageRow(int row) const { return row == parkRowCount(); }
    QString cellName(int row, int column) const;
    QString cellDescription(int row, int column) const;
    QRect cellRect(int row, int column) const;
    bool isCellSelected(int row, int column) const;
    bool isCellCurrent(int row, int column) const;
    QString headerDescription(int column) const;
    QRect headerRect(int column) const;

private:
    ParkGrid& grid() const;
    QModelIndex shownIndex(int row, int column) const;
    // Columns as assistive technology counts them, the hidden ones left out, and back.
    static int modelColumn(const ParkGrid& grid, int column);
    static int shownColumn(const ParkGrid& grid, int modelColumn);
    QAccessibleInterface* cached(bool header, int row, int column) const;
    void forgetCells();

    // The cells made so far, by place: assistive technology keeps their ids while they exist.
    mutable QHash<qint64, QAccessible::Id> cells_;
};

} // namespace vendrix::gui
