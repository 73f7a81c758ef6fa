#include "focusframe.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

namespace vendrix::gui {

namespace {
constexpr int kWidth = 2;
}

FocusFrame::FocusFrame(QWidget& window, std::vector<QWidget*> framed)
    : QWidget(&window), framed_(std::move(framed)) {
    setObjectName(QStringLiteral("focusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    for (QWidget* widget : framed_)
        widget->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusFrame::follow(QWidget* now) {
    QWidget* found = nullptr;
    for (QWidget* widget : framed_)
        if (now != nullptr && (now == widget || widget->isAncestorOf(now)))
            found = widget;
    current_ = found;
    place();
}

void FocusFrame::place() {
    if (current_ == nullptr || !current_->isVisible()) {
        hide();
        return;
    }
    const QRect inside(current_->mapTo(parentWidget(), QPoint(0, 0)), current_->size());
    setGeometry(inside.adjusted(-kWidth, -kWidth, kWidth, kWidth));
    show();
    raise();
    update();
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == current_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                                event->type() == QEvent::Hide || event->type() == QEvent::Show))
        place();
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Active, QPalette::Highlight), kWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(QRectF(rect()).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
}

} // namespace vendrix::gui
