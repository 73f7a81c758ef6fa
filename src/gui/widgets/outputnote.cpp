#include "outputnote.h"

#include <algorithm>

namespace vendrix::gui {

OutputNote::OutputNote(int shownMilliseconds, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    hideTimer_.setSingleShot(true);
    hideTimer_.setInterval(shownMilliseconds);
    connect(&hideTimer_, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

void OutputNote::showNote(const QString& done, const QString& target) {
    target_ = target;
    setToolTip(done + QLatin1Char(' ') + target);
    show();
    // A new note has its own time.
    hideTimer_.start();
}

void OutputNote::place(const QLabel& caption, const QRect& tableArea) {
    const QRect box = caption.geometry();
    const int captionWidth = caption.fontMetrics().horizontalAdvance(caption.text());
    const int captionLeft = caption.alignment() & Qt::AlignHCenter ? box.center().x() - captionWidth / 2
                                                                   : box.left() + caption.margin();
    const QFontMetrics metrics = fontMetrics();
    const int gap = metrics.averageCharWidth() * 2;
    const int rightRoom = tableArea.right() - (captionLeft + captionWidth + gap);
    const int leftRoom = captionLeft - gap - tableArea.left();
    const QString whole = toolTip();
    const QString done = whole.left(whole.size() - target_.size());
    // Measured in its two parts, as it is cut; whole where it fits, as the elision may round it away.
    const int doneWidth = metrics.horizontalAdvance(done);
    const int wanted = doneWidth + metrics.horizontalAdvance(target_) + 4;
    const bool right = rightRoom >= wanted || rightRoom >= leftRoom;
    const int width = std::max(0, std::min(wanted, right ? rightRoom : leftRoom));
    const int targetRoom = width - 4 - doneWidth;
    setText(done + (metrics.horizontalAdvance(target_) <= targetRoom
                        ? target_
                        : metrics.elidedText(target_, Qt::ElideLeft, std::max(0, targetRoom))));
    const int height = metrics.height();
    const int top = std::min(box.top(), tableArea.top() - height);
    setGeometry(right ? tableArea.right() + 1 - width : tableArea.left(), top, width, height);
    setAlignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    raise();
}

} // namespace vendrix::gui
