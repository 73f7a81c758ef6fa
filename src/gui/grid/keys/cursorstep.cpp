#include "cursorstep.h"

#include <Qt>
#include <algorithm>

namespace vendrix::gui {

std::optional<CursorStep::Move> CursorStep::moveOfKey(int key) {
    using Action = Move;
    switch (key) {
    case Qt::Key_Up:
        return Action::Up;
    case Qt::Key_Down:
        return Action::Down;
    case Qt::Key_Left:
        return Action::Left;
    case Qt::Key_Right:
        return Action::Right;
    case Qt::Key_PageUp:
        return Action::PageUp;
    case Qt::Key_PageDown:
        return Action::PageDown;
    case Qt::Key_Home:
        return Action::Home;
    case Qt::Key_End:
        return Action::End;
    default:
        return std::nullopt;
    }
}

std::pair<int, int> CursorStep::from(int row, int column, Move action, bool ctrl) const {
    using Action = Move;
    const int lastColumn = columns - 1;
    const int lastRow = std::max(captionRow, rows - 1);
    switch (action) {
    case Action::Up:
        row = std::max(captionRow, row - 1);
        break;
    case Action::Down:
        row = std::min(lastRow, row + 1);
        break;
    case Action::Left:
        column = std::max(0, column - 1);
        break;
    case Action::Right:
        column = std::min(lastColumn, column + 1);
        break;
    case Action::PageUp:
        row = row < firstParkRow ? row : std::max(std::min(firstParkRow, lastRow), row - rowsInView);
        break;
    case Action::PageDown:
        row = std::min(lastRow, std::max(row, firstParkRow - 1) + rowsInView);
        break;
    case Action::Home:
        column = 0;
        if (ctrl)
            row = std::min(firstParkRow, lastRow);
        break;
    case Action::End:
        column = lastColumn;
        if (ctrl)
            row = lastRow;
        break;
    default:
        break;
    }
    return {row, shownColumn(column, action == Action::Right || action == Action::Home ? 1 : -1)};
}

int CursorStep::shownColumn(int column, int towards) const {
    // Onwards in the way the cursor moved back to the nearest shown column, else the other way.
    for (int c = column; hidden && c >= 0 && c < columns; c += towards)
        if (!hidden(c))
            return c;
    for (int c = column; hidden && c >= 0 && c < columns; c -= towards)
        if (!hidden(c))
            return c;
    return column;
}

} // namespace vendrix::gui
