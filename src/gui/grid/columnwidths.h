#pragma once

class QMouseEvent;
class QTableView;

namespace vendrix::gui {

class ParkGrid;

// The widths of the grid's columns, alike in the grid and all its panes: each column's design width
// (twips at the screen's dots per inch), a caption's edge dragged with the mouse, and a column fitted
// to its longest text by a double-click on that edge.
class ColumnWidths {
public:
    explicit ColumnWidths(ParkGrid& grid) : grid_(grid) {}

    // A column's design width in pixels, or the default width when no table is shown.
    int designWidth(int column) const;
    // The width that shows the column's longest text whole, captions and foot row included.
    int fittingWidth(int column) const;
    // Takes the mouse over a caption pane when it is at, or drags, a column's edge: true when the
    // event is handled here and must go no further.
    bool captionMouseEvent(QTableView& pane, QMouseEvent& event);

private:
    // The column whose right edge is under `x` in the pane, or -1.
    int edgeAt(const QTableView& pane, int x) const;

    ParkGrid& grid_;
    int dragColumn_ = -1;
    int dragStartX_ = 0;
    int dragStartWidth_ = 0;
};

} // namespace vendrix::gui
