#include "flyballbar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace vendrix::gui {

namespace {

enum AirKind { NeutralAir, ParksOwnAir, GivenAir };

QLabel* caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// "-10° (10 left of centre)": where a direction points, in the field's words.
QString directionWords(int degrees) {
    if (degrees == 0)
        return QStringLiteral("0° (centre field)");
    if (degrees <= -45)
        return QStringLiteral("%1° (left-field line)").arg(degrees);
    if (degrees >= 45)
        return QStringLiteral("+%1° (right-field line)").arg(degrees);
    return degrees < 0 ? QStringLiteral("%1° (towards left)").arg(degrees)
                       : QStringLiteral("+%1° (towards right)").arg(degrees);
}

} // namespace

FlyBallBar::FlyBallBar(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("flyBallBar"));
    setAccessibleName(QStringLiteral("Fly ball bar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    hide();

    speed_ = slider(QStringLiteral("Speed"), QStringLiteral("Speed off the bat, in mph"), 40, 130, 102, 5);
    angle_ = slider(QStringLiteral("Launch angle"),
                    QStringLiteral("Launch angle above the ground, in degrees"), -10, 70, 28, 5);
    direction_ = slider(QStringLiteral("Direction"),
                        QStringLiteral("Direction from the left-field line (-45°) through centre field (0°) "
                                       "to the right-field line (+45°)"),
                        -45, 45, -10, 5);
    direction_->setTickPosition(QSlider::TicksBelow);
    direction_->setTickInterval(15);
    speedValue_ = new QLabel(this);
    angleValue_ = new QLabel(this);
    directionValue_ = new QLabel(this);
    // Wide enough for the longest value, so that the sliders do not move as the values change.
    for (QLabel* value : {speedValue_, angleValue_})
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("130 mph")));
    directionValue_->setMinimumWidth(
        directionValue_->fontMetrics().horizontalAdvance(QStringLiteral("+45° (right-field line)")));

    batter_ = new QComboBox(this);
    batter_->setObjectName(QStringLiteral("flyBallBatter"));
    batter_->addItem(QStringLiteral("Right-handed"));
    batter_->addItem(QStringLiteral("Left-handed"));
    batter_->setAccessibleName(QStringLiteral("Batter"));
    batter_->setToolTip(
        QStringLiteral("The batter's hand: it sets the usual spin, and which way the ball curves"));

    spinGiven_ = new QCheckBox(QStringLiteral("Given &spin"), this);
    spinGiven_->setObjectName(QStringLiteral("flyBallSpinGiven"));
    spinGiven_->setAccessibleName(QStringLiteral("Given spin"));
    spinGiven_->setToolTip(
        QStringLiteral("Off: the usual spin for the launch and the hand. On: the backspin and "
                       "sidespin given here, used as given (a sidespin of 0 flies straight)"));
    backspin_ =
        spinBox(QStringLiteral("Backspin"), QStringLiteral("Backspin in rpm; positive lifts the ball"),
                -10000, 10000, 2200, 100, QStringLiteral(" rpm"));
    sidespin_ =
        spinBox(QStringLiteral("Sidespin"),
                QStringLiteral("Sidespin in rpm; positive curves towards left field, negative towards "
                               "right field"),
                -10000, 10000, 0, 100, QStringLiteral(" rpm"));
    backspin_->setEnabled(false);
    sidespin_->setEnabled(false);

    air_ = new QComboBox(this);
    air_->setObjectName(QStringLiteral("flyBallAir"));
    air_->addItem(QStringLiteral("Neutral air"));
    air_->addItem(QStringLiteral("Each park's own"));
    air_->addItem(QStringLiteral("Given air"));
    air_->setAccessibleName(QStringLiteral("Air"));
    air_->setToolTip(
        QStringLiteral("Neutral: 70 °F, sea level, 50 % humidity, no wind. Each park's own: its Avg "
                       "Temp and Wind Spd, the wind blowing out, at sea level. Given: as set here"));
    givenAir_ = new QWidget(this);
    temperature_ = spinBox(QStringLiteral("Temperature"), QStringLiteral("The air's temperature, in °F"), -40,
                           130, 70, 5, QStringLiteral(" °F"));
    altitude_ =
        spinBox(QStringLiteral("Altitude"), QStringLiteral("The park's height above sea level, in feet"),
                -1500, 15000, 0, 250, QStringLiteral(" ft"));
    humidity_ = spinBox(QStringLiteral("Humidity"), QStringLiteral("Relative humidity, in percent"), 0, 100,
                        50, 5, QStringLiteral(" %"));
    wind_ = spinBox(QStringLiteral("Wind"), QStringLiteral("The wind's speed, in mph"), 0, 100, 0, 1,
                    QStringLiteral(" mph"));
    windFrom_ =
        spinBox(QStringLiteral("Wind from"),
                QStringLiteral("Where the wind blows from, in degrees: 0 from centre field (blowing in), 180 "
                               "from behind home plate (blowing out)"),
                -360, 360, 180, 15, QStringLiteral("°"));
    auto* given = new QHBoxLayout(givenAir_);
    given->setContentsMargins(0, 0, 0, 0);
    for (QSpinBox* box : {temperature_, altitude_, humidity_, wind_, windFrom_}) {
        given->addWidget(caption(box->accessibleName(), box, givenAir_));
        given->addWidget(box);
        box->setParent(givenAir_);
    }
    givenAir_->setEnabled(false);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("flyBallSummary"));
    summary_->setTextFormat(Qt::PlainText);
    summary_->setAccessibleName(QStringLiteral("Fly ball count"));
    summary_->setToolTip(QStringLiteral("In how many of the parks that count the ball is out"));
    QFont bold = summary_->font();
    bold.setBold(true);
    summary_->setFont(bold);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    close_ = new QToolButton(this);
    close_->setText(QStringLiteral("\u2715"));
    close_->setAutoRaise(true);
    close_->setAccessibleName(QStringLiteral("Close the fly ball bar"));
    close_->setToolTip(QStringLiteral("Close the fly ball bar (Esc)"));
    connect(close_, &QToolButton::clicked, this, &FlyBallBar::closeRequested);

    // The ball on the first line, its spin and air and the count on the second.
    auto* lines = new QVBoxLayout(this);
    lines->setContentsMargins(6, 3, 6, 3);
    lines->setSpacing(2);
    auto* first = new QHBoxLayout;
    auto* second = new QHBoxLayout;
    lines->addLayout(first);
    lines->addLayout(second);
    for (auto [slider, value] :
         {std::pair{speed_, speedValue_}, {angle_, angleValue_}, {direction_, directionValue_}}) {
        first->addWidget(caption(slider->accessibleName(), slider, this));
        first->addWidget(slider, slider == direction_ ? 3 : 2);
        first->addWidget(value);
        first->addSpacing(8);
    }
    first->addWidget(caption(QStringLiteral("Batter"), batter_, this));
    first->addWidget(batter_);
    first->addStretch(1);
    first->addWidget(close_);
    second->addWidget(spinGiven_);
    second->addWidget(backspin_);
    second->addWidget(sidespin_);
    second->addSpacing(8);
    second->addWidget(caption(QStringLiteral("&Air"), air_, this));
    second->addWidget(air_);
    second->addWidget(givenAir_);
    second->addSpacing(8);
    second->addWidget(summary_, 1);

    for (QSlider* s : {speed_, angle_, direction_})
        connect(s, &QSlider::valueChanged, this, [this] {
            showValues();
            emit ballChanged();
        });
    connect(batter_, &QComboBox::currentIndexChanged, this, &FlyBallBar::ballChanged);
    connect(spinGiven_, &QCheckBox::toggled, this, [this](bool on) {
        backspin_->setEnabled(on);
        sidespin_->setEnabled(on);
        emit ballChanged();
    });
    connect(air_, &QComboBox::currentIndexChanged, this, [this](int kind) {
        givenAir_->setEnabled(kind == GivenAir);
        emit ballChanged();
    });
    for (QSpinBox* box : {backspin_, sidespin_, temperature_, altitude_, humidity_, wind_, windFrom_})
        connect(box, &QSpinBox::valueChanged, this, &FlyBallBar::ballChanged);
    showValues();
}

QSlider* FlyBallBar::slider(const QString& name, const QString& tip, int low, int high, int value, int page) {
    auto* made = new QSlider(Qt::Horizontal, this);
    made->setObjectName(QStringLiteral("flyBall") + QString(name).remove(QLatin1Char(' ')));
    made->setRange(low, high);
    made->setValue(value);
    made->setPageStep(page);
    made->setAccessibleName(name);
    made->setToolTip(tip + QStringLiteral(" (arrows: 1, Page Up and Down: %1)").arg(page));
    made->setFocusPolicy(Qt::StrongFocus);
    made->setMinimumWidth(90);
    return made;
}

QSpinBox* FlyBallBar::spinBox(const QString& name, const QString& tip, int low, int high, int value, int step,
                              const QString& suffix) {
    auto* made = new QSpinBox(this);
    made->setObjectName(QStringLiteral("flyBall") + QString(name).remove(QLatin1Char(' ')));
    made->setRange(low, high);
    made->setValue(value);
    made->setSingleStep(step);
    made->setSuffix(suffix);
    made->setAccessibleName(name);
    made->setToolTip(tip);
    return made;
}

void FlyBallBar::showValues() {
    speedValue_->setText(QStringLiteral("%1 mph").arg(speed_->value()));
    angleValue_->setText(QStringLiteral("%1°").arg(angle_->value()));
    directionValue_->setText(directionWords(direction_->value()));
    speed_->setAccessibleDescription(speedValue_->text());
    angle_->setAccessibleDescription(angleValue_->text());
    direction_->setAccessibleDescription(directionValue_->text());
}

flight::Ball FlyBallBar::ball() const {
    flight::Ball ball;
    ball.speedMph = speed_->value();
    ball.angleDegrees = angle_->value();
    ball.directionDegrees = direction_->value();
    ball.batter = batter_->currentIndex() == 1 ? flight::Hand::Left : flight::Hand::Right;
    if (spinGiven_->isChecked()) {
        ball.backspinRpm = backspin_->value();
        ball.sidespinRpm = sidespin_->value();
    }
    return ball;
}

flight::Air FlyBallBar::air() const {
    switch (air_->currentIndex()) {
    case ParksOwnAir:
        return flight::Air::parksOwn();
    case GivenAir:
        return flight::Air::of({static_cast<double>(temperature_->value()),
                                static_cast<double>(altitude_->value()),
                                static_cast<double>(humidity_->value()), static_cast<double>(wind_->value()),
                                static_cast<double>(windFrom_->value())});
    default:
        return flight::Air::of(flight::Conditions::neutral());
    }
}

void FlyBallBar::setSummary(const QString& text) {
    summary_->setText(text);
    summary_->setAccessibleDescription(text);
}

QRect FlyBallBar::placeAbove(const QRect& tableArea) {
    if (isHidden())
        return tableArea;
    const int height = sizeHint().height();
    setGeometry(tableArea.left(), tableArea.top(), tableArea.width(), height);
    raise();
    return tableArea.adjusted(0, height + 2, 0, 0);
}

void FlyBallBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        emit closeRequested();
        return;
    }
    QFrame::keyPressEvent(event);
}

} // namespace vendrix::gui
