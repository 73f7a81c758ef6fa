#include "splithandle.h"

#include <QMouseEvent>

namespace vendrix::gui {

SplitHandle::SplitHandle(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("diagramSplitHandle"));
    setCursor(Qt::SplitHCursor);
    setToolTip(QStringLiteral("Drag to share the width between the table and the diagram"));
    setAccessibleName(QStringLiteral("Divider between the table and the diagram"));
    hide();
}

void SplitHandle::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        emit draggedTo(mapToParent(event->position().toPoint()).x());
}

void SplitHandle::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit released();
}

} // namespace vendrix::gui
