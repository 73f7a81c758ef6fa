#pragma once

#include <QList>
#include <QTableView>
#include <array>

class QAbstractItemModel;

namespace vendrix::gui {

class ParkTableModel;

// The fixed parts of the park grid, laid over the grid's margins: the caption rows above, the fixed
// column at the left, the foot row below and the corners where they meet. They show the grid's
// models and follow its scrolling; the grid itself handles their input, so they take no focus and
// keep no selection of their own.
class FrozenPanes {
public:
    // Panes over `parkRows` (captions, fixed column, corner) and `footRow` (foot, foot corner), children
    // of the grid.
    FrozenPanes(QTableView& grid, QAbstractItemModel& parkRows, QAbstractItemModel& footRow);

    QTableView& caption() const { return *caption_; }
    QTableView& column() const { return *column_; }
    QTableView& corner() const { return *corner_; }
    QTableView& foot() const { return *foot_; }
    QTableView& footCorner() const { return *footCorner_; }
    std::array<QTableView*, 5> all() const { return {caption_, column_, corner_, foot_, footCorner_}; }
    // The pane whose viewport `watched` is, or null.
    QTableView* paneOfViewport(const QObject* watched) const;

    // Each view shows its part of the columns: the fixed ones in the fixed column and the corners,
    // the others in the grid, the captions and the foot.
    // Columns the user chose to hide are hidden everywhere.
    void splitColumns(int columns, int fixedColumns);
    void setHiddenColumns(QList<int> columns) { hidden_ = std::move(columns); }
    bool isHiddenColumn(int column) const { return hidden_.contains(column); }
    // Equal neighbouring captions of the group-caption row are shown as one cell.
    void mergeGroupCaptions(const ParkTableModel& model);
    // Lays the panes over the grid's header margins, the foot row in the `footHeight` pixels at the
    // bottom of its viewport, and scrolls them to where the grid is.
    void place(int footHeight);
    // Rows all one height and columns sized by the grid alone, in the grid or a pane: the headers'
    // own clicks and drags are never used.
    static void fixSections(QTableView& view, int rowHeight);
    // The caption rows, the fixed column and the corner show the current cell's frame.
    void repaintCurrentFrame();

private:
    QTableView* makePane(QAbstractItemModel& model);

    QTableView& grid_;
    QTableView* caption_;
    QTableView* column_;
    QTableView* corner_;
    QTableView* foot_;
    QTableView* footCorner_;
    QList<int> hidden_;
};

} // namespace vendrix::gui
