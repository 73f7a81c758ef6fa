#pragma once

#include <QColor>
#include <QHash>
#include <QSet>
#include <QString>
#include <utility>

namespace vendrix::gui {

// What another view of the season says about one cell, e.g. that it changed since another season.
struct CellNote {
    QColor tint;         // wins over the factor colour when valid
    QString toolTip;     // shown first in the cell's tooltip
    bool marked = false; // e.g. a new park: shown in the park column
};

// Notes by park table row and column; empty by default.
class CellNotes {
public:
    void set(int tableRow, int column, CellNote note) {
        if (note.marked)
            markedRows_.insert(tableRow);
        notes_.insert({tableRow, column}, std::move(note));
    }
    const CellNote* find(int tableRow, int column) const {
        const auto at = notes_.constFind({tableRow, column});
        return at == notes_.cend() ? nullptr : &*at;
    }
    // True when a note of the row is marked.
    bool rowMarked(int tableRow) const { return markedRows_.contains(tableRow); }
    bool isEmpty() const { return notes_.isEmpty(); }

private:
    QHash<std::pair<int, int>, CellNote> notes_;
    QSet<int> markedRows_;
};

} // namespace vendrix::gui
