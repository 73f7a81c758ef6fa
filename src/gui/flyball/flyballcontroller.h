#pragma once

#include "flyballcells.h"

#include <QList>
#include <QObject>
#include <memory>
#include <optional>

class QAction;

namespace vendrix::model {
class Namesakes;
}

namespace vendrix::gui {

class FlyBallBar;
class ParkDiagramPanel;
class ParkGrid;

// "Would it be out here": the Fly ball bar's ball against every park of the table. Opened and closed
// by its action (Ctrl+B, in the table's context menu) or Esc in the bar; while open, each change of
// the bar judges the ball in every park at once (SeasonCarry), fills the table's Fly ball column, the
// bar's count and the diagram's track and side view. The shape columns (each park's walls against its
// HR factors) are worked out apart from the window's thread for each new table and shown or hidden by
// their own action. Only the view changes: no output writes these columns.
class FlyBallController : public QObject {
    Q_OBJECT
public:
    FlyBallController(ParkGrid& grid, ParkDiagramPanel& diagram, FlyBallBar& bar, QObject* parent);
    ~FlyBallController() override;

    QAction& showAction() const { return *showAction_; }
    QAction& shapeColumnsAction() const { return *shapeAction_; }
    // The ball's verdicts in the parks of the table shown; none while the bar is closed.
    const flight::SeasonCarry* carry() const { return carry_.get(); }
    // True once the shape factors of the table shown are there.
    bool hasShapeFactors() const { return shapes_ != nullptr; }

signals:
    // The bar was opened or closed: the window places the table anew.
    void barShownChanged(bool shown);

private:
    void tableChanged();
    void ballChanged();
    void showBar(bool shown);
    void showCells();
    void hideColumns();

    ParkGrid& grid_;
    ParkDiagramPanel& diagram_;
    FlyBallBar& bar_;
    QAction* showAction_;
    QAction* shapeAction_;
    std::shared_ptr<const flight::SeasonParks> parks_;
    std::unique_ptr<model::Namesakes> names_;
    std::shared_ptr<const flight::SeasonCarry> carry_;
    std::shared_ptr<const ShapeFactors> shapes_;
    // Which table the shape factors being worked out belong to; a newer table drops older results.
    int table_ = 0;
    QList<int> hidden_{-1};
};

} // namespace vendrix::gui
