#pragma once

#include <functional>
#include <optional>
#include <utility>

namespace vendrix::gui {

// Where a key moves the grid's current cell, as in a spreadsheet: the arrows by one cell, Page Up and
// Down by the rows in view, Home and End to the row's ends (with Ctrl, the first and last park). Up
// from the first park reaches the column captions, where Space or Enter sorts; the group captions
// are never reached.
struct CursorStep {
    // The moves in the order of QAbstractItemView::CursorAction, whose values they share.
    enum class Move { Up, Down, Left, Right, Home, End, PageUp, PageDown, Other };

    int rows = 0;         // shown rows, the caption rows included
    int columns = 0;      // every column
    int rowsInView = 1;   // whole park rows the view shows
    int firstParkRow = 0; // the first row below the captions
    int captionRow = 0;   // the row of the column captions
    // Columns hidden from view, which the cursor passes over; none when not given.
    std::function<bool(int column)> hidden;

    // The move of an arrow, page, Home or End key; nothing for any other key.
    static std::optional<Move> moveOfKey(int key);

    // The row and column the action moves (row, column) to.
    std::pair<int, int> from(int row, int column, Move move, bool ctrl) const;

private:
    // The column itself when shown, else the nearest shown one `towards` (+1 or -1) from it.
    int shownColumn(int column, int towards) const;
};

} // namespace vendrix::gui
