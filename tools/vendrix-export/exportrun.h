#pragma once

#include "exportoptions.h"

namespace vendrix::exporter {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitInterrupted = 130; // as a shell reports a process ended by Ctrl+C

// Scans the season folder, builds its park table and writes every output asked for, with the same
// code as the window's buttons. Messages go to standard error; the result is the exit status.
int runExport(const ExportOptions& options);

} // namespace vendrix::exporter
