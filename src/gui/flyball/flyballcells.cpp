#include "flyballcells.h"

#include "flight/league/shapegrid.h"

#include <cmath>
#include <limits>

namespace vendrix::gui {

namespace {

std::string tenths(double value) {
    const long long t = std::llround(value * 10.0);
    return (t < 0 ? "-" : "") + std::to_string(std::llabs(t) / 10) + "." + std::to_string(std::llabs(t) % 10);
}

std::string percent(double share) {
    return std::to_string(std::lround(share * 100.0)) + " %";
}

// What the verdict rests on, in a sentence.
std::string verdictNote(const flight::ParkVerdict& v) {
    const std::string fence =
        "the fence at " + tenths(v.fenceDistanceFt) + " ft, its wall " + tenths(v.wallHeightFt) + " ft high";
    switch (v.verdict) {
    case flight::Verdict::Out:
        return "Clears " + fence + ", " + tenths(v.heightAtFenceFt) + " ft up: " + tenths(v.marginFt) +
               " ft above the wall";
    case flight::Verdict::Wall:
        return "Meets " + fence + ", " + tenths(v.heightAtFenceFt) + " ft up: " + tenths(v.marginFt) +
               " ft below the top";
    case flight::Verdict::In:
        return "Comes down " + tenths(v.marginFt) + " ft short of " + fence;
    case flight::Verdict::Foul:
        return "Leaves the field outside the foul lines, at " + tenths(v.directionDegrees) + "°";
    }
    return {};
}

} // namespace

const std::optional<flight::ParkVerdict>* FlyBallCells::verdictOf(const model::Park& park) const {
    if (!carry_ || park.row() < 1 || park.row() > carry_->parkCount())
        return nullptr;
    return &carry_->verdictAt(park.row());
}

std::optional<double> FlyBallCells::shapeOf(const model::Park& park, int column) const {
    if (!shapes_ || park.row() < 1 || park.row() > static_cast<int>(shapes_->size()))
        return std::nullopt;
    const std::optional<flight::ShapeFactor>& factor = (*shapes_)[static_cast<std::size_t>(park.row() - 1)];
    if (!factor)
        return std::nullopt;
    return column == model::viewcol::shapeLHB ? factor->hrLhb : factor->hrRhb;
}

std::string FlyBallCells::text(const model::Park& park, int column) const {
    if (column == model::viewcol::flyBall) {
        const auto* verdict = verdictOf(park);
        if (!verdict)
            return {};
        return *verdict ? (*verdict)->text() : std::string(model::kNoVerdict);
    }
    const std::optional<double> factor = shapeOf(park, column);
    return factor ? std::to_string(std::lround(*factor)) : std::string();
}

double FlyBallCells::sortKey(const model::Park& park, int column) const {
    constexpr double kNone = -std::numeric_limits<double>::infinity();
    if (column == model::viewcol::flyBall) {
        const auto* verdict = verdictOf(park);
        return verdict && *verdict ? (*verdict)->carryKey() : kNone;
    }
    return shapeOf(park, column).value_or(kNone);
}

std::string FlyBallCells::toolTip(const model::Park& park, int column) const {
    if (column == model::viewcol::flyBall) {
        const auto* verdict = verdictOf(park);
        if (!verdict)
            return {};
        if (!*verdict)
            return flight::SeasonParks::whyLeftOut(park, carry_->air().isParksOwn()) +
                   "; it counts for nothing";
        return verdictNote(**verdict);
    }
    const bool left = column == model::viewcol::shapeLHB;
    const std::string name(model::column(column).shortName);
    if (!shapes_ || park.row() < 1 || park.row() > static_cast<int>(shapes_->size()))
        return name + ": being worked out";
    const std::optional<flight::ShapeFactor>& factor = (*shapes_)[static_cast<std::size_t>(park.row() - 1)];
    if (!factor)
        return name + ": none; " + flight::SeasonParks::whyLeftOut(park, false);
    const int hr = left ? park.factorLHB(3) : park.factorRHB(3);
    const std::string season(
        model::column(left ? model::col::firstFactorLHB + 3 : model::col::firstFactorRHB + 3).shortName);
    return name + ": " + percent(left ? factor->shareLhb : factor->shareRhb) + " of the " +
           std::to_string(flight::ShapeGrid::balls(left ? flight::Hand::Left : flight::Hand::Right).size()) +
           " well-hit fly balls clear its walls, league = 100; the season's " + season + " is " +
           std::to_string(hr);
}

} // namespace vendrix::gui
