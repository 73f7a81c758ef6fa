#include "noticeline.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace vendrix::gui {

NoticeLine::NoticeLine(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    hide();
}

void NoticeLine::setFullText(const QString& text, const QString& clickTip) {
    fullText_ = text;
    clickTip_ = clickTip;
    clickable_ = !clickTip.isEmpty() && !text.isEmpty();
    // A screen reader reads the whole line, however much of it the window shows.
    setAccessibleName(text);
    setAccessibleDescription(clickable_ ? clickTip : QString());
    setCursor(clickable_ ? Qt::PointingHandCursor : Qt::ArrowCursor);
    setFocusPolicy(clickable_ ? Qt::StrongFocus : Qt::NoFocus);
    elide();
}

QSize NoticeLine::sizeHint() const {
    return {fontMetrics().horizontalAdvance(fullText_) + 2 * margin(),
            fontMetrics().height() + 2 * margin() + 2};
}

QSize NoticeLine::minimumSizeHint() const {
    return {0, sizeHint().height()};
}

void NoticeLine::elide() {
    const QString shown = fontMetrics().elidedText(
        fullText_, Qt::ElideRight,
        std::max(0, contentsRect().width() - 2 * margin() - std::max(0, indent()) - 4));
    setText(shown);
    setToolTip(clickable_ ? clickTip_ : shown != fullText_ ? fullText_ : QString());
}

void NoticeLine::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    elide();
}

void NoticeLine::mouseReleaseEvent(QMouseEvent* event) {
    if (clickable_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void NoticeLine::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (clickable_ && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

} // namespace vendrix::gui
