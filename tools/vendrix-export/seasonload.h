#pragma once

// What the exporter's commands share: reading a season folder as the window does, and delivering
// an output to a file or to standard output. Defined in exportrun.cpp.

#include "model/season.h"
#include "output/outputfile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vendrix::exporter {

// A message on standard error, behind the program's name.
void tell(const std::string& message);

// Writes the bytes to the file through the atomic output file, or to standard output for "-".
// False, with the reason told, when they could not be written.
bool deliver(const std::string& file, std::string_view bytes);
// The same for bytes made a piece at a time (output::writeOutputFile's pieces).
bool deliver(const std::string& file, const output::OutputPieces& nextPiece);

// Exit status for --strict when a season has warnings.
inline constexpr int kExitWarnings = 3;

// The season of a folder, read by the window's own loader; nothing, with the reason told, for a
// folder that is not a complete season or has no usable park file. Each warning about the season is
// told as "FOLDER: warning: TEXT".
std::optional<model::Season> loadSeason(const std::string& folderName);

} // namespace vendrix::exporter
