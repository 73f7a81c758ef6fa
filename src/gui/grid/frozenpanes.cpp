#include "frozenpanes.h"

#include "parktablemodel.h"

#include <QHeaderView>
#include <QScrollBar>

namespace vendrix::gui {

FrozenPanes::FrozenPanes(QTableView& grid, QAbstractItemModel& parkRows, QAbstractItemModel& footRow)
    : grid_(grid), caption_(makePane(parkRows)), column_(makePane(parkRows)), corner_(makePane(parkRows)),
      foot_(makePane(footRow)), footCorner_(makePane(footRow)) {}

QTableView* FrozenPanes::makePane(QAbstractItemModel& model) {
    auto* pane = new QTableView(&grid_);
    pane->setFocusPolicy(Qt::NoFocus);
    pane->setSelectionMode(QAbstractItemView::NoSelection);
    pane->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pane->setFrameShape(QFrame::NoFrame);
    pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pane->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    pane->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    pane->setWordWrap(false);
    pane->horizontalHeader()->hide();
    pane->verticalHeader()->hide();
    pane->setModel(&model);
    // The fixed parts take the desktop's button colours, whatever the theme.
    pane->viewport()->setBackgroundRole(QPalette::Button);
    return pane;
}

QTableView* FrozenPanes::paneOfViewport(const QObject* watched) const {
    for (QTableView* pane : all())
        if (watched == pane->viewport())
            return pane;
    return nullptr;
}

void FrozenPanes::splitColumns(int columns, int fixedColumns) {
    // Rows past the caption rows are cut off by the panes' height rather than hidden, which would
    // cost a call per park.
    for (int c = 0; c < columns; ++c) {
        const bool fixed = c < fixedColumns;
        const bool hidden = hidden_.contains(c);
        grid_.setColumnHidden(c, fixed || hidden);
        caption_->setColumnHidden(c, fixed || hidden);
        foot_->setColumnHidden(c, fixed || hidden);
        column_->setColumnHidden(c, !fixed || hidden);
        corner_->setColumnHidden(c, !fixed || hidden);
        footCorner_->setColumnHidden(c, !fixed || hidden);
    }
}

void FrozenPanes::mergeGroupCaptions(const ParkTableModel& model) {
    const int columns = model.columnCount();
    int start = model.fixedColumnCount();
    while (start < columns) {
        int end = start + 1;
        while (end < columns && model.cellText(0, end) == model.cellText(0, start))
            ++end;
        if (end - start > 1)
            caption_->setSpan(0, start, 1, end - start);
        start = end;
    }
}

void FrozenPanes::place(int footHeight) {
    const QRect top = grid_.horizontalHeader()->geometry();
    const QRect left = grid_.verticalHeader()->geometry();
    const QRect view = grid_.viewport()->geometry();
    const QRect footArea(view.x(), view.bottom() + 1 - footHeight, view.width(), footHeight);
    foot_->setGeometry(footArea);
    footCorner_->setGeometry(QRect(left.x(), footArea.y(), left.width(), footHeight));
    foot_->setVisible(footHeight > 0);
    footCorner_->setVisible(footHeight > 0);
    caption_->setGeometry(top);
    // The fixed column ends where the foot row begins, as the scrolling cells seem to.
    column_->setGeometry(QRect(left.x(), left.y(), left.width(), left.height() - footHeight));
    corner_->setGeometry(QRect(left.x(), top.y(), left.width(), top.height()));
    for (QTableView* pane : all())
        pane->raise();
    caption_->horizontalScrollBar()->setValue(grid_.horizontalScrollBar()->value());
    foot_->horizontalScrollBar()->setValue(grid_.horizontalScrollBar()->value());
    column_->verticalScrollBar()->setValue(grid_.verticalScrollBar()->value());
}

void FrozenPanes::fixSections(QTableView& view, int rowHeight) {
    for (QHeaderView* header : {view.horizontalHeader(), view.verticalHeader()}) {
        header->setMinimumSectionSize(1);
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
    }
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.verticalHeader()->setDefaultSectionSize(rowHeight);
    view.horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

void FrozenPanes::repaintCurrentFrame() {
    for (QTableView* pane : {caption_, column_, corner_})
        pane->viewport()->update();
}

} // namespace vendrix::gui
