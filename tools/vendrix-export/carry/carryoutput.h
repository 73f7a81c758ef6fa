#pragma once

#include "flight/league/seasoncarry.h"
#include "model/season.h"

#include <optional>
#include <string>

namespace vendrix::exporter {

// What `vendrix-export carry` writes of one fly ball against a season's parks.
//   JSON: {"ball", "conditions" (or "park"), "flight", "parks", "out_count", "park_count"}, numbers
//     to 0.1; a park that counts for nothing has null for its verdict and its measures. `oneLine`
//     writes it on one line, as --balls writes one ball a line; otherwise each park stands on a line.
//   CSV: a header line, then one line per park (behind the ball's line in the log with --balls),
//     UTF-8, CR LF line ends.
//   Text: the ball, the air, the flight in the open, the count and a line per park, UTF-8.
std::string carryJson(const model::Season& season, const flight::SeasonCarry& carry, bool oneLine);
std::string carryCsvHeader(bool withBallLine);
void appendCarryCsv(std::string& out, const model::Season& season, const flight::SeasonCarry& carry,
                    std::optional<int> ballLine = std::nullopt);
std::string carryText(const model::Season& season, const flight::SeasonCarry& carry);

} // namespace vendrix::exporter
