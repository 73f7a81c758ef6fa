#pragma once

#include <QHash>

class QMouseEvent;
class QTableView;

namespace vendrix::gui {

class ParkGrid;

// The widths of the grid's columns, alike in the grid and all its panes: each column's design width
// (twips at the screen's dots per inch), a caption's edge dragged with the mouse, and a column fitted
// to its longest text by a double-click on that edge. The widths the user gives stay while new tables
// come, until "Reset column widths". Where the grid is wider than its columns, a column of words
// opens to its longest word, so that no word is cut.
class ColumnWidths {
public:
    explicit ColumnWidths(ParkGrid& grid) : grid_(grid) {}

    // A column's design width in pixels, or the default width when no table is shown.
    int designWidth(int column) const;
    // The width the user gave the column (dragged or fitted), kept for every new table; else the
    // width it opened to, or the design width.
    int width(int column) const { return kept_.value(column, opened_.value(column, designWidth(column))); }
    // Opens each column of words, from the left, to its longest word while the grid's width has room
    // for it beside every other column but the empty ones; the others keep their widths. True when a
    // width changed.
    bool openWordColumns();
    void keep(int column, int pixels) { kept_.insert(column, pixels); }
    void forget() { kept_.clear(); }
    // The width that shows the column's longest text whole, captions and foot row included.
    int fittingWidth(int column) const;
    // Takes the mouse over a caption pane when it is at, or drags, a column's edge: true when the
    // event is handled here and must go no further.
    bool captionMouseEvent(QTableView& pane, QMouseEvent& event);

private:
    // The column whose right edge is under `x` in the pane, or -1.
    int edgeAt(const QTableView& pane, int x) const;
    // The width that shows each word the column can hold, and its caption, whole.
    int longestWordWidth(int column) const;
    int textMargin() const;

    ParkGrid& grid_;
    int dragColumn_ = -1;
    int dragStartX_ = 0;
    int dragStartWidth_ = 0;
    QHash<int, int> kept_;
    QHash<int, int> opened_;
};

} // namespace vendrix::gui
