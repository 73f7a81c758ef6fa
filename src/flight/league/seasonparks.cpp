#include "seasonparks.h"

#include "parkownconditions.h"
#include "parkshape/seasonshapes.h"

namespace vendrix::flight {

namespace {

namespace col = model::col;

// The first fence distance or wall of the park that cannot be real; -1 when all can.
int firstUnreal(const model::Park& park) {
    for (int column = col::firstFenceDistance; column < col::firstFactorLHB; ++column)
        if (!park.canBeReal(column))
            return column;
    return -1;
}

} // namespace

SeasonParks::SeasonParks(const model::Season& season) {
    shapes_.reserve(static_cast<std::size_t>(season.parkCount()));
    airs_.reserve(static_cast<std::size_t>(season.parkCount()));
    for (const model::Park& park : season.parks()) {
        if (firstUnreal(park) < 0)
            shapes_.emplace_back(parkshape::ParkShape(parkshape::measuresOf(park)));
        else
            shapes_.emplace_back();
        airs_.push_back(ParkOwnConditions::of(park.code(model::ParkAttribute::AvgTemp),
                                              park.code(model::ParkAttribute::WindSpeed)));
    }
}

std::string SeasonParks::whyLeftOut(const model::Park& park, bool ownAir) {
    if (const int column = firstUnreal(park); column >= 0)
        return model::column(column).whyNotReal(*park.number(column));
    if (!ownAir || ParkOwnConditions::of(park.code(model::ParkAttribute::AvgTemp),
                                         park.code(model::ParkAttribute::WindSpeed)))
        return {};
    // The attribute whose code has no word, named as the table's caption names it.
    const bool temperatureKnown =
        park.code(model::ParkAttribute::AvgTemp) < ParkOwnConditions::kTemperatureF.size();
    const model::ParkAttribute missing =
        temperatureKnown ? model::ParkAttribute::WindSpeed : model::ParkAttribute::AvgTemp;
    const int column = col::firstAttribute + static_cast<int>(missing);
    return "Its " + std::string(model::column(column).shortName) + " is " + std::string(park.text(column)) +
           ", which gives it no air of its own";
}

} // namespace vendrix::flight
