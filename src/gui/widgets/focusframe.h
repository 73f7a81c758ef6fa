#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

namespace vendrix::gui {

// A frame in the highlight colour around whichever of the window's lists and the grid has the
// keyboard, so that it can be seen where typing goes whatever the style draws. It lets clicks
// through and follows the widget as it moves.
class FocusFrame : public QWidget {
    Q_OBJECT
public:
    FocusFrame(QWidget& window, std::vector<QWidget*> framed);

    // The widget framed now; none when the keyboard is elsewhere.
    QWidget* framedWidget() const { return current_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QWidget* now);
    void place();

    std::vector<QWidget*> framed_;
    QPointer<QWidget> current_;
};

} // namespace vendrix::gui
