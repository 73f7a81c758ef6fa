#pragma once

#include "cellnotes.h"
#include "columnwidths.h"
#include "frozenpanes.h"
#include "gridclipboard.h"
#include "gui/grid/keys/blockselection.h"
#include "parkrowproxy.h"
#include "parktablemodel.h"

#include <QPersistentModelIndex>
#include <QTableView>
#include <functional>
#include <optional>

class QAction;
class QMenu;

namespace vendrix::gui {

class LeagueAverageModel;
class ParkSortController;

// The park table display. The caption rows and the park-name column are fixed: they stay in view
// while the other cells scroll under them, and the "League average" row stays at the foot. Equal
// neighbouring captions of the group-caption row are shown as one cell. Rows are all one height, so
// a season of 32,767 parks scrolls at once.
//
// Panes lie over the view's margins: the caption rows above, the fixed column at the left, the
// foot row below and the corners where they meet; the view itself shows only the cells that scroll.
// All of them show one model, the park rows as sorted and found, and share one current cell and
// one selection, which the keyboard moves across the fixed column and the rest alike.
class ParkGrid : public QTableView {
    Q_OBJECT
public:
    explicit ParkGrid(QWidget* parent = nullptr);

    // Shows a season: its park table, sorted, found and filtered as before.
    void setSeason(model::Season season);
    const model::Season* season() const { return model_->season(); }
    const parktable::ParkTable* table() const { return model_->table(); }
    const ParkTableModel& parkModel() const { return *model_; }
    const ParkRowProxy& shownRows() const { return *proxy_; }
    const LeagueAverageModel& leagueAverage() const { return *averages_; }

    // The park table row (from parktable::kCaptionRowCount up) of the current cell, or -1 when none.
    int currentTableRow() const;
    // Notes of another view on cells; an empty CellNotes clears them, and so does a new table.
    void setCellNotes(CellNotes notes);
    // The cells of the view's own columns (model/viewcolumns.h); sorted by one, the rows follow them.
    void setViewCells(std::shared_ptr<const model::ViewCells> cells);
    // Columns kept out of view and passed over by the cursor (the view's own columns when not wanted).
    void setHiddenColumns(QList<int> columns);
    bool isHiddenColumn(int column) const { return panes_.isHiddenColumn(column); }

    // A click on the column caption, or Space or Enter on it: up, down, back to file order.
    void activateCaption(int column);
    // Keeps the parks whose park or team name contains the text, ignoring case.
    void setFindText(const QString& text);
    // Keeps only the parks the choice keeps (filters by column, the parks that differ); with the find
    // text. Every output still writes every park.
    void setRowChoice(ParkRowProxy::RowChoice choice);
    // Makes the park row current, in the column of the current cell; false when it is not shown.
    bool goToTableRow(int tableRow);
    // The selected cells as the grid shows them: tab-separated lines, rows in the order shown; with
    // captions, the column captions above them (Ctrl+Shift+C).
    QString selectedText(bool withCaptions = false) const;
    void copySelection(bool withCaptions = false) const;
    void selectAllParks();
    // Fits a column to its longest text, as a double-click on its caption's edge does.
    void fitColumn(int column);
    // A width the user gives (a dragged edge, a fit): set in every pane and kept for new tables.
    void setColumnWidthEverywhere(int column, int width);
    // Every column back to its design width ("Reset column widths" in a caption's menu).
    void resetColumnWidths();
    QAction& factorColourAction() const { return *colourAction_; }
    QAction& copyWithCaptionsAction() const { return *copyCaptionsAction_; }
    QAction& resetWidthsAction() const { return *resetWidthsAction_; }

    // The panes, for tests that look at what the fixed parts show.
    const QTableView& captionPane() const { return panes_.caption(); }
    const QTableView& columnPane() const { return panes_.column(); }
    const QTableView& cornerPane() const { return panes_.corner(); }
    const QTableView& footPane() const { return panes_.foot(); }
    const QTableView& footCornerPane() const { return panes_.footCorner(); }

    int rowHeightPixels() const { return rowHeight_; }
    // A column's width: its twips at the screen's dots per inch, or the default when not set.
    int columnWidthPixels(int column) const;

    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

signals:
    void currentTableRowChanged(int tableRow);
    void shownParksChanged(int shown, int total);
    // A column caption's context menu is about to open: a feature adds its entries for the column.
    void captionMenuRequested(int column, QMenu& menu);

protected:
    void updateGeometries() override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    // Not QTableView's: it tells assistive technology of a cell by its place among all the model's rows,
    // the caption rows included. The grid's accessible table (access/parkgridaccessible.h) has the parks
    // only; it hears of the current cell, and its cells say whether they are selected when asked.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override {
        QAbstractItemView::selectionChanged(selected, deselected);
    }

private:
    void applyLayout();
    int fixedColumnsWidth() const;
    // How many whole park rows the scrolling part shows above the foot row.
    int rowsInRoom() const;
    void snapToWholeRow(int value);
    void pressCell(const QModelIndex& index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void moveCurrent(const QModelIndex& index, bool extend);
    bool captionMouseEvent(QTableView& pane, QMouseEvent* event);
    void showPaneMenu(const QTableView& pane, const QPoint& at);
    void noteCurrentTableRow();
    void reorderKeepingSelection(const std::function<void()>& reorder);
    void repaintPanes();

    ParkTableModel* model_;
    ParkRowProxy* proxy_;
    ParkSortController* sorter_;
    LeagueAverageModel* averages_;
    FrozenPanes panes_;
    ColumnWidths widths_;
    GridClipboard clipboard_;
    QAction* colourAction_;
    QAction* copyCaptionsAction_;
    QAction* resetWidthsAction_;
    int rowHeight_ = 0;
    int footHeight_ = 0;
    std::optional<BlockSelection> block_; // made once the view has its model
    int lastTableRow_ = -1;
};

} // namespace vendrix::gui
