#pragma once

#include "parktablemodel.h"

#include <QTableView>

namespace vendrix::platform {

// The park table display. The caption rows and the park-name column are fixed: they stay in view
// while the other cells scroll under them. Equal neighbouring captions of the group-caption row
// are shown as one cell. Rows are all one height, so a season of 32,767 parks scrolls at once.
//
// Three panes lie over the view's header space: the caption rows above, the fixed column at the
// left and the corner where they meet; the view itself shows only the cells that scroll.
class ParkGrid : public QTableView {
    Q_OBJECT
public:
    explicit ParkGrid(QWidget* parent = nullptr);

    void setTable(parktable::ParkTable table);
    const parktable::ParkTable* table() const { return model_->table(); }
    const ParkTableModel& parkModel() const { return *model_; }

    // The panes, for tests that look at what the fixed parts show.
    const QTableView& captionPane() const { return *captionPane_; }
    const QTableView& columnPane() const { return *columnPane_; }
    const QTableView& cornerPane() const { return *cornerPane_; }

    // The park table row of the current cell (a park row, from parktable::kCaptionRowCount on), or -1.
    int currentTableRow() const;

    int rowHeightPixels() const { return rowHeight_; }
    // A column's width: its twips at the screen's dots per inch, or the default when not set.
    int columnWidthPixels(int column) const;

signals:
    void currentTableRowChanged(int tableRow);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void updateGeometries() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView* makePane();
    void applyLayout();
    void mergeGroupCaptions();
    int twipsToPixels(int twips) const;

    ParkTableModel* model_;
    QTableView* captionPane_;
    QTableView* columnPane_;
    QTableView* cornerPane_;
    int rowHeight_ = 0;
};

} // namespace vendrix::platform
