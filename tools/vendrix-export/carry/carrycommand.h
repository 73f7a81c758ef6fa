#pragma once

#include "carryoptions.h"

namespace vendrix::exporter {

// Reads the season (and the log of balls, when given), judges the ball or each ball of the log in
// every park and writes what was asked for: the text to standard output when neither JSON nor CSV
// is, and with --balls the JSON lines. The result is the exit status: a line of the log that cannot
// be taken is kExitUsage, named by its number.
int runCarry(const CarryOptions& options);

} // namespace vendrix::exporter
