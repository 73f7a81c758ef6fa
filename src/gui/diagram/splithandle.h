#pragma once

#include <QWidget>

namespace vendrix::gui {

// The bar between the table and the diagram panel that the user drags to share the width out between
// them, as a splitter's handle; it only reports where it is dragged to, the panel places both.
class SplitHandle : public QWidget {
    Q_OBJECT
public:
    explicit SplitHandle(QWidget* parent);

signals:
    // The x in the parent's coordinates the handle was dragged to.
    void draggedTo(int x);
    void released();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace vendrix::gui
