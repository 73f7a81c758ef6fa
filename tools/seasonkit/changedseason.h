#pragma once

#include "seasonwriter.h"

namespace vendrix::seasonkit {

// The sample season a year on, changed the way a league's parks change between seasons: every year
// is 2032, and besides
//   Gullwing Field      CF fence moved in from 402 to 396
//   Timberline Park     LF wall raised from 15 to 24
//   Alder Grounds       HR factor for left-handed batters retuned from 104 to 110
//   Millrace Stadium    surface from Grass to Turf
//   Vixen Hollow Park   its team, the Glen Haven Foxes, moved to a new park, Foxfire Grounds
//   Ore Cart Yard       renamed Ore Cart Ballpark (one park gone, one new)
//   Timberline Park     a second park of that name, the spring site, at the end of the file.
SeasonContent changedSampleSeason();

// The synthetic season of `parkCount` parks a year on, for the comparison benchmark: every 7th park
// with its CF fence 5 feet further out, every 11th with a retuned HR factor, every 13th on the other
// surface, and every 101st renamed. No park is added, so 32,767 parks stay within a park file.
SeasonContent changedSyntheticSeason(int parkCount);

} // namespace vendrix::seasonkit
