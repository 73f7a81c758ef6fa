#pragma once

#include "seasonwriter.h"

namespace vendrix::seasonkit {

// The bundled sample season: an invented league of 30 teams and 32 parks, with the odd cases a
// real folder holds (NUL and blank padding, a park without a team, a code without a word, a
// negative number, a name byte outside ASCII, records that are not in use).
SeasonContent sampleSeason();

// A season of `parkCount` parks with invented names and numbers, for benchmarks and large tests.
// The same count always gives the same bytes.
SeasonContent syntheticSeason(int parkCount);

} // namespace vendrix::seasonkit
