#pragma once

#include "parktable.h"
#include "season/parkrecord.h"
#include "season/seasonscan.h"
#include "season/seasonwarning.h"
#include "season/teambypark.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vendrix::parktable {

inline constexpr std::string_view kNoParkFileMessage = "No Park File to Process";
inline constexpr std::string_view kNoDataMessage = " This dmbpark.dat file appears to have no data ";

enum class BuildOutcome {
    Built,
    NoParkFile, // missing, unreadable or empty before it was opened
    NoData,     // empty once it was open
    ReadFailed  // opened but could not be read to its end
};

// The result of Get Park Info's build: a new table, or the message to show while the shown table
// stays as it was.
struct ParkTableBuild {
    BuildOutcome outcome = BuildOutcome::Built;
    std::optional<ParkTable> table;
    std::string message;
    // What a built table leaves out: a park file cut inside a record, or one without a park in use.
    std::vector<season::SeasonWarning> warnings;

    bool built() const { return outcome == BuildOutcome::Built; }
};

// Reads the park file from the first record to the last and builds the table: the two caption rows
// and a row for every record in use (flag 0) of a year above 0, in file order. The file is open only
// inside this call.
ParkTableBuild buildParkTable(const std::filesystem::path& parkFile, const season::TeamByPark& teamByPark);

// Every warning about a season, the scan's (organization and team files) before the build's (park
// file): what the window's notice line and the exporter show.
std::vector<season::SeasonWarning> seasonWarnings(const season::SeasonScan& scan,
                                                  const ParkTableBuild& build);

// The park-name cell: NULs become blanks, blanks at both ends go, and the name is padded with blanks
// on the right to 30 characters.
std::string parkNameCell(const std::string& parkName);

// Appends the row of one park record to the table.
void appendParkRow(ParkTable& table, const season::ParkRecord& park, const season::TeamByPark& teamByPark);

} // namespace vendrix::parktable
