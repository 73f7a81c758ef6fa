#pragma once

#include "cellnotes.h"
#include "parktable/parkcolumnstats.h"
#include "parktable/parktable.h"

#include <QAbstractTableModel>
#include <optional>

namespace vendrix::gui {

// The park table as the grid shows it. Before the first table it is the grid's design state: two
// rows, two columns, all empty, one fixed row and one fixed column. Cells are Windows-1252 bytes
// and are converted only here, for the screen. Beside the texts it gives each cell its look: the
// factor colour, the notes of another view, and tooltips that say what a caption means and where a
// park stands among the others.
class ParkTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kDesignRows = 2;
    static constexpr int kDesignColumns = 2;

    using QAbstractTableModel::QAbstractTableModel;

    void setTable(parktable::ParkTable table);
    // The table last set; nothing while the grid is in its design state.
    const parktable::ParkTable* table() const { return table_ ? &*table_ : nullptr; }
    const parktable::ParkColumnStats& stats() const { return stats_; }

    // The caption rows and the park-name column stay in view while the rest scrolls.
    int fixedRowCount() const { return table_ ? parktable::kCaptionRowCount : 1; }
    int fixedColumnCount() const { return 1; }
    bool isFixed(int row, int column) const { return row < fixedRowCount() || column < fixedColumnCount(); }
    bool isParkRow(int row) const { return table_ && row >= parktable::kFirstParkRow && row < rowCount(); }

    QString cellText(int row, int column) const;
    // The tooltip of a park cell that says where the park stands: "HR, LHB: 112, 3rd highest of 30
    // parks; league mean 100.4". Empty for cells that hold no number.
    QString rankText(int row, int column) const;

    void setFactorColours(bool on);
    bool factorColours() const { return factorColours_; }
    void setCellNotes(CellNotes notes);
    const CellNotes& cellNotes() const { return notes_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The alignment of a cell as the column table sets it.
    QVariant alignment(int row, int column) const;

private:
    QVariant background(int row, int column) const;
    QString toolTip(int row, int column) const;
    void parkCellsChanged();

    std::optional<parktable::ParkTable> table_;
    parktable::ParkColumnStats stats_;
    CellNotes notes_;
    bool factorColours_ = true;
};

} // namespace vendrix::gui
