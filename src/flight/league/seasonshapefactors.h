#pragma once

#include "seasonparks.h"
#include "shapefactor.h"

#include <optional>
#include <vector>

namespace vendrix::flight {

// Every park's shape factors (ShapeFactor) in a season, one entry a row in file order; none for a
// park that counts for nothing. Parks of the same fence are judged once, and a large season is
// spread over the machine's cores; the result is the same as ShapeFactor::ofParks gives.
std::vector<std::optional<ShapeFactor>> seasonShapeFactors(const SeasonParks& parks, const ShapeGrid& grid);

} // namespace vendrix::flight
