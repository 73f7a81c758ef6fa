#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

namespace vendrix::gui {

// Draws the cells of one part of the park grid. The fixed parts take the palette's button colours,
// so a dark desktop theme shows them readable; the current cell gets a frame in the palette's
// highlight colour while the grid has the focus, in whichever part it stands. A cell too narrow for
// its text shows the whole text first in its tooltip.
class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    GridCellDelegate(const QAbstractItemView& focusView, bool fixedPart, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // True when the cell's text does not fit in the cell.
    bool isCutOff(const QStyleOptionViewItem& option, const QModelIndex& index) const;
    // The tooltip the cell shows: its whole text when cut off, then what the model says of it.
    QString toolTip(const QStyleOptionViewItem& option, const QModelIndex& index) const;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    const QAbstractItemView& focusView_;
    bool fixedPart_;
};

} // namespace vendrix::gui
