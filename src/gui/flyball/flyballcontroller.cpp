#include "flyballcontroller.h"

#include "flight/league/seasonshapefactors.h"
#include "flight/league/shapegrid.h"
#include "flyballbar.h"
#include "flyballpath.h"
#include "gui/bridge/displaytext.h"
#include "gui/diagram/parkdiagrampanel.h"
#include "gui/grid/parkgrid.h"
#include "model/parknames.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QSlider>
#include <QThreadPool>

namespace vendrix::gui {

FlyBallController::FlyBallController(ParkGrid& grid, ParkDiagramPanel& diagram, FlyBallBar& bar,
                                     QObject* parent)
    : QObject(parent), grid_(grid), diagram_(diagram), bar_(bar),
      showAction_(new QAction(QStringLiteral("Fly ball bar"), this)),
      shapeAction_(new QAction(QStringLiteral("Shape HR columns"), this)) {
    showAction_->setObjectName(QStringLiteral("flyBallAction"));
    showAction_->setCheckable(true);
    showAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    showAction_->setShortcutContext(Qt::WindowShortcut);
    showAction_->setToolTip(QStringLiteral("A fly ball against every park's fence (Ctrl+B)"));
    shapeAction_->setObjectName(QStringLiteral("shapeColumnsAction"));
    shapeAction_->setCheckable(true);
    shapeAction_->setChecked(true);
    shapeAction_->setToolTip(
        QStringLiteral("Show the share of well-hit fly balls that clear each park's walls "
                       "beside its HR factors"));
    grid_.addAction(showAction_);
    grid_.addAction(shapeAction_);
    // The shortcut works wherever the window has the keyboard, the bar's own controls included.
    grid_.window()->addAction(showAction_);

    connect(showAction_, &QAction::toggled, this, &FlyBallController::showBar);
    connect(shapeAction_, &QAction::toggled, this, &FlyBallController::hideColumns);
    connect(&bar_, &FlyBallBar::ballChanged, this, &FlyBallController::ballChanged);
    connect(&bar_, &FlyBallBar::closeRequested, this, [this] { showAction_->setChecked(false); });
    // The diagram may draw the new table before this hears of it: the old table's ball is out of date at
    // once.
    connect(grid_.model(), &QAbstractItemModel::modelAboutToBeReset, this, [this] { ++table_; });
    connect(grid_.model(), &QAbstractItemModel::modelReset, this, &FlyBallController::tableChanged);
    tableChanged();
}

FlyBallController::~FlyBallController() = default;

void FlyBallController::tableChanged() {
    ++table_;
    carry_.reset();
    shapes_.reset();
    names_.reset();
    parks_.reset();
    if (const model::Season* season = grid_.season()) {
        parks_ = std::make_shared<const flight::SeasonParks>(*season);
        names_ = std::make_unique<model::Namesakes>(*season);
        // The shape grid's 216 balls against every park take a few seconds on the largest season: away
        // from the window's thread, handed back to it when done, unless a newer table came meanwhile.
        QPointer<FlyBallController> self(this);
        QThreadPool::globalInstance()->start([self, parks = parks_, table = table_] {
            auto factors =
                std::make_shared<const ShapeFactors>(flight::seasonShapeFactors(*parks, flight::ShapeGrid()));
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [self, factors, table] {
                    if (self && self->table_ == table) {
                        self->shapes_ = factors;
                        self->showCells();
                    }
                },
                Qt::QueuedConnection);
        });
    }
    hideColumns();
    ballChanged();
}

void FlyBallController::showBar(bool shown) {
    // Closed from within, the bar hands the keyboard back to the table rather than to whatever follows.
    const bool hadFocus = bar_.isAncestorOf(QApplication::focusWidget());
    bar_.setVisible(shown);
    hideColumns();
    ballChanged();
    emit barShownChanged(shown);
    if (shown)
        bar_.speedSlider().setFocus(Qt::ShortcutFocusReason);
    else if (hadFocus)
        grid_.setFocus(Qt::OtherFocusReason);
}

void FlyBallController::ballChanged() {
    carry_.reset();
    if (showAction_->isChecked() && parks_) {
        carry_ = std::make_shared<const flight::SeasonCarry>(
            flight::SeasonCarry::of(*parks_, bar_.ball(), bar_.air()));
        const model::Season& season = *grid_.season();
        bar_.setSummary(
            fromUtf8(carry_->tally().summary([&](int row) { return names_->label(season.parkAtRow(row)); })));
    } else {
        bar_.setSummary(showAction_->isChecked()
                            ? QStringLiteral("Get Park Info first: there are no parks yet")
                            : QString());
    }
    showCells();
}

void FlyBallController::showCells() {
    grid_.setViewCells(std::make_shared<FlyBallCells>(carry_, shapes_));
    if (!carry_) {
        diagram_.setFlyBall({});
        return;
    }
    diagram_.setFlyBall(
        [carry = carry_, parks = parks_](const model::Park& park) -> std::optional<parkdrawing::FlyBallPath> {
            if (park.row() > carry->parkCount())
                return std::nullopt;
            const std::optional<flight::ParkVerdict>& verdict = carry->verdictAt(park.row());
            if (!verdict)
                return std::nullopt;
            return flyBallPathOf(carry->flightAt(park.row()), *parks->shapeAt(park.row()), *verdict);
        });
}

void FlyBallController::hideColumns() {
    QList<int> hidden;
    if (!showAction_->isChecked())
        hidden << model::viewcol::flyBall;
    if (!shapeAction_->isChecked())
        hidden << model::viewcol::shapeLHB << model::viewcol::shapeRHB;
    if (hidden != hidden_) {
        hidden_ = hidden;
        grid_.setHiddenColumns(hidden);
    }
}

} // namespace vendrix::gui
