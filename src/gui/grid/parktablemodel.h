#pragma once

#include "cellnotes.h"
#include "model/columnranks.h"
#include "model/leagueaverage.h"
#include "model/season.h"
#include "model/viewcolumns.h"
#include "parktable/parktable.h"

#include <QAbstractTableModel>
#include <functional>
#include <memory>
#include <optional>

namespace vendrix::gui {

// A season as the grid shows it: its park table of text cells. Before the first season it is the
// grid's design state: two rows, two columns, all empty, one fixed row and one fixed column. Cells
// are Windows-1252 bytes and are converted only here, for the screen. Beside the texts it gives each cell its
// look: the factor colour, the notes of another view, and tooltips that say what a caption means and where a
// park stands among the others.
class ParkTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kDesignRows = 2;
    static constexpr int kDesignColumns = 2;
    // True for a park cell whose value cannot be real: the grid marks its corner.
    static constexpr int kImplausibleRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    void setSeason(model::Season season);
    // The season last set, and its table; nothing while the grid is in its design state.
    const model::Season* season() const { return season_.get(); }
    const parktable::ParkTable* table() const { return table_ ? &*table_ : nullptr; }
    // The park of a park row; the row must be one.
    const model::Park& park(int row) const { return table_->park(row); }
    const model::LeagueAverages& averages() const { return averages_; }

    // The caption rows and the park-name column stay in view while the rest scrolls.
    int fixedRowCount() const { return table_ ? parktable::kCaptionRowCount : 1; }
    int fixedColumnCount() const { return 1; }
    bool isFixed(int row, int column) const { return row < fixedRowCount() || column < fixedColumnCount(); }
    bool isParkRow(int row) const { return table_ && row >= parktable::kFirstParkRow && row < rowCount(); }

    QString cellText(int row, int column) const;

    void setFactorColours(bool on);
    bool factorColours() const { return factorColours_; }
    void setCellNotes(CellNotes notes);
    const CellNotes& cellNotes() const { return notes_; }
    // The cells of the view's own columns after the table's (model/viewcolumns.h); none leaves them empty.
    void setViewCells(std::shared_ptr<const model::ViewCells> cells);
    const model::ViewCells* viewCells() const { return viewCells_.get(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // For assistive technology: a cell's text without the padding of its field (AccessibleTextRole) and
    // what its tooltip says, why it is marked included (AccessibleDescriptionRole).
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // A column's name as a screen reader says it, caption and group ("LFL, fence distance"), and what it
    // holds; the display's own captions are the two caption rows.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The alignment of a cell as the column table sets it.
    QVariant alignment(int row, int column) const;

private:
    QVariant background(int row, int column) const;
    using ViewText = std::function<std::string(const model::Park&, int column)>;
    QString viewCellText(int row, int column, const ViewText& text) const;
    QString toolTip(int row, int column) const;
    void parkCellsChanged();

    std::shared_ptr<const model::Season> season_;
    std::optional<parktable::ParkTable> table_; // a view of season_
    model::ColumnRanks ranks_;
    model::LeagueAverages averages_;
    CellNotes notes_;
    bool factorColours_ = true;
    std::shared_ptr<const model::ViewCells> viewCells_;
};

} // namespace vendrix::gui
