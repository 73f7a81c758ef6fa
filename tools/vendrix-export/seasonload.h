#pragma once

// What the exporter's commands share: reading a season folder as the window does, and delivering
// an output to a file or to standard output. Defined in exportrun.cpp.

#include "parktable/parktable.h"
#include "season/seasonwarning.h"

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

struct SeasonTable {
    parktable::ParkTable table;
    std::string title;  // the window's caption
    std::string league; // as the scan read them
    std::string season;
    // What the table leaves out, already told on standard error.
    std::vector<season::SeasonWarning> warnings;
};

// Exit status for --strict when a season has warnings.
inline constexpr int kExitWarnings = 3;

// The season folder's table, built by the same scan and build as the window's; nothing, with the
// reason told, for a folder that is not a complete season or has no usable park file. Each warning
// about the season is told as "FOLDER: warning: TEXT".
std::optional<SeasonTable> loadSeason(const std::string& folderName);

} // namespace vendrix::exporter
