#pragma once

#include "flight/league/seasoncarry.h"
#include "flight/league/shapefactor.h"
#include "model/viewcolumns.h"

#include <memory>
#include <optional>
#include <vector>

namespace vendrix::gui {

// Every park's shape factors, one entry a row (model/viewcolumns.h's shape columns).
using ShapeFactors = std::vector<std::optional<flight::ShapeFactor>>;

// What the view's own columns show: the fly ball's verdict in each park ("Out by 12 ft", "Off the wall",
// "Short by 30 ft", "Foul", or "No verdict" for a park that counts for nothing, with why in its
// tooltip) and each park's shape factors beside the season's HR factors. Either may be missing: no
// ball while the bar is closed, no factors while they are still being worked out.
class FlyBallCells : public model::ViewCells {
public:
    FlyBallCells(std::shared_ptr<const flight::SeasonCarry> carry, std::shared_ptr<const ShapeFactors> shapes)
        : carry_(std::move(carry)), shapes_(std::move(shapes)) {}

    std::string text(const model::Park& park, int column) const override;
    double sortKey(const model::Park& park, int column) const override;
    std::string toolTip(const model::Park& park, int column) const override;

private:
    const std::optional<flight::ParkVerdict>* verdictOf(const model::Park& park) const;
    std::optional<double> shapeOf(const model::Park& park, int column) const;

    std::shared_ptr<const flight::SeasonCarry> carry_;
    std::shared_ptr<const ShapeFactors> shapes_;
};

} // namespace vendrix::gui
