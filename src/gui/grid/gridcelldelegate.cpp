#include "gridcelldelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace vendrix::gui {

GridCellDelegate::GridCellDelegate(const QAbstractItemView& focusView, bool fixedPart, QObject* parent)
    : QStyledItemDelegate(parent), focusView_(focusView), fixedPart_(fixedPart) {}

void GridCellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!fixedPart_)
        return;
    // A tint of the model's (a note) wins; otherwise the fixed parts look like buttons.
    if (option->backgroundBrush.style() == Qt::NoBrush)
        option->backgroundBrush = option->palette.brush(QPalette::Button);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        option->palette.setColor(group, QPalette::Text, option->palette.color(group, QPalette::ButtonText));
}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem plain = option;
    plain.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, plain, index);
    if (!focusView_.hasFocus() || index != focusView_.currentIndex() || index.model() != focusView_.model())
        return;
    painter->save();
    QPen pen(option.palette.color(QPalette::Highlight), 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
    painter->restore();
}

bool GridCellDelegate::isCutOff(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    QString text = opt.text;
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    if (text.isEmpty())
        return false;
    const QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, opt.widget) + 1;
    return opt.fontMetrics.horizontalAdvance(text) > opt.rect.width() - 2 * margin;
}

QString GridCellDelegate::toolTip(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStringList parts;
    if (isCutOff(option, index))
        parts << index.data(Qt::DisplayRole).toString().trimmed();
    if (const QString said = index.data(Qt::ToolTipRole).toString(); !said.isEmpty())
        parts << said;
    return parts.join(QLatin1Char('\n'));
}

bool GridCellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                 const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event == nullptr || view == nullptr || event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString tip = toolTip(option, index);
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return false;
    }
    QToolTip::showText(event->globalPos(), tip, view, option.rect);
    return true;
}

} // namespace vendrix::gui
