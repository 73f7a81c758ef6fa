#include "windowplacement.h"

#include <QEvent>
#include <QSettings>
#include <QWidget>

namespace vendrix::app {

namespace {
const QString kGeometryKey = QStringLiteral("window/geometry");
} // namespace

WindowPlacement::WindowPlacement(QWidget& window, std::unique_ptr<QSettings> settings)
    : QObject(&window), window_(window), settings_(std::move(settings)) {
    window_.installEventFilter(this);
}

WindowPlacement::~WindowPlacement() = default;

bool WindowPlacement::restore() {
    const QByteArray geometry = settings_->value(kGeometryKey).toByteArray();
    return !geometry.isEmpty() && window_.restoreGeometry(geometry);
}

void WindowPlacement::save() {
    settings_->setValue(kGeometryKey, window_.saveGeometry());
    settings_->sync();
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    // Exit hides the window and the close box closes it; a minimised window is not hidden this way.
    if (watched == &window_ && event->type() == QEvent::Hide && !event->spontaneous())
        save();
    return QObject::eventFilter(watched, event);
}

} // namespace vendrix::app
