#include "noticeline.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
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
    const bool wasClickable = clickable_;
    clickable_ = !clickTip.isEmpty() && !text.isEmpty();
    // A screen reader reads the whole line, however much of it the window shows.
    setAccessibleName(text);
    setAccessibleDescription(clickable_ ? clickTip : QString());
    setCursor(clickable_ ? Qt::PointingHandCursor : Qt::ArrowCursor);
    setFocusPolicy(clickable_ ? Qt::StrongFocus : Qt::NoFocus);
    elide();
    if (clickable_ != wasClickable)
        emit clickableChanged();
}

void NoticeLine::setWarningLook(bool warning) {
    warning_ = warning;
    // The tooltip's colours are the platform's own for a word that stands apart from the window.
    setAutoFillBackground(warning);
    setBackgroundRole(warning ? QPalette::ToolTipBase : QPalette::Window);
    setForegroundRole(warning ? QPalette::ToolTipText : QPalette::WindowText);
    setFrameShape(warning ? QFrame::Box : QFrame::NoFrame);
    setMargin(warning ? 2 : 0);
    setIndent(warning ? signSize() + 6 : -1);
    elide();
    updateGeometry();
}

int NoticeLine::signSize() const {
    return fontMetrics().height();
}

QSize NoticeLine::sizeHint() const {
    return {fontMetrics().horizontalAdvance(fullText_) + 2 * margin() + 2 * frameWidth() +
                std::max(0, indent()),
            fontMetrics().height() + 2 * margin() + 2 * frameWidth() + 2};
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

void NoticeLine::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!warning_)
        return;
    const int size = signSize();
    const QRect inside = contentsRect();
    QPainter painter(this);
    style()
        ->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this)
        .paint(&painter, QRect(inside.left() + margin() + 2, inside.center().y() - size / 2, size, size));
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
