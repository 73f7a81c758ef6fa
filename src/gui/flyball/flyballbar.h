#pragma once

#include "flight/ball.h"
#include "flight/league/seasoncarry.h"

#include <QFrame>

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;
class QSpinBox;
class QToolButton;

namespace vendrix::gui {

// The Fly ball bar above the table: the ball (speed, launch angle, direction from the left-field line
// to the right-field line, the batter's hand, the spins when given) and the air (neutral, each park's
// own, or as given), and a line with the league's count. Every control works by keyboard: the sliders
// with the arrows, Page Up and Down, Home and End; Esc closes the bar. It tells each change at once,
// while a slider is still being dragged.
class FlyBallBar : public QFrame {
    Q_OBJECT
public:
    explicit FlyBallBar(QWidget* parent = nullptr);

    // The ball and the air as the controls stand; both always within their ranges.
    flight::Ball ball() const;
    flight::Air air() const;

    // The league's count ("Out in 17 of 32 parks") shown at the end of the bar.
    void setSummary(const QString& text);
    QLabel& summary() const { return *summary_; }

    QSlider& speedSlider() const { return *speed_; }
    QSlider& angleSlider() const { return *angle_; }
    QSlider& directionSlider() const { return *direction_; }
    QComboBox& batterChoice() const { return *batter_; }
    QCheckBox& spinGiven() const { return *spinGiven_; }
    QComboBox& airChoice() const { return *air_; }

    // Where it stands: the top of `tableArea` while shown; the rest is the table's.
    QRect placeAbove(const QRect& tableArea);

signals:
    void ballChanged();
    // Esc or the close button: the bar is to close.
    void closeRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QSlider* slider(const QString& name, const QString& tip, int low, int high, int value, int page);
    QSpinBox* spinBox(const QString& name, const QString& tip, int low, int high, int value, int step,
                      const QString& suffix);
    void showValues();

    QSlider* speed_;
    QSlider* angle_;
    QSlider* direction_;
    QLabel* speedValue_;
    QLabel* angleValue_;
    QLabel* directionValue_;
    QComboBox* batter_;
    QCheckBox* spinGiven_;
    QSpinBox* backspin_;
    QSpinBox* sidespin_;
    QComboBox* air_;
    QWidget* givenAir_;
    QSpinBox* temperature_;
    QSpinBox* altitude_;
    QSpinBox* humidity_;
    QSpinBox* wind_;
    QSpinBox* windFrom_;
    QLabel* summary_;
    QToolButton* close_;
};

} // namespace vendrix::gui
