#pragma once

#include "season.h"
#include "season/seasonscan.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// The one way from a season folder to a Season: the window's Get Park Info builds from the scan it
// made when the folder was opened; the exporter, the comparison and the page writer load a folder
// whole. Both give the same parks, warnings and messages.
namespace vendrix::model {

inline constexpr std::string_view kNoParkFileMessage = "No Park File to Process";
inline constexpr std::string_view kNoDataMessage = " This dmbpark.dat file appears to have no data ";

enum class BuildOutcome {
    Built,
    NoParkFile, // missing, unreadable or empty before it was opened
    NoData,     // empty once it was open
    ReadFailed  // opened but could not be read to its end
};

// A Season built from a scan, or the message to show while whatever was shown stays.
struct SeasonBuild {
    BuildOutcome outcome = BuildOutcome::Built;
    std::optional<Season> season;
    std::string message;

    bool built() const { return outcome == BuildOutcome::Built; }
};

// Reads the park file from the first record to the last: a park for every record in use (flag 0) of
// a year above 0, in file order, with its team from the scan. The season takes the scan's league,
// season and warnings, and warns of a park file cut inside a record or without a park in use. The
// file is open only inside this call.
SeasonBuild buildSeason(const season::SeasonScan& scan, const std::filesystem::path& folder,
                        const std::filesystem::path& parkFile);

// Why a folder gives no season, in one message (lines after the first indented): it cannot be read,
// it is no folder, it lacks season files, or its park file is unusable.
struct LoadFailure {
    std::string message;
};

// Scans and builds the season of a folder. `shownName` is how messages name the folder (UTF-8: the
// text the user gave).
std::variant<Season, LoadFailure> loadSeason(const std::filesystem::path& folder, std::string_view shownName);

} // namespace vendrix::model
