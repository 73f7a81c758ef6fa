#pragma once

#include "seasonwarning.h"
#include "teambypark.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vendrix::season {

// What the scan of one season folder found. Every scan starts from this default state.
struct SeasonScan {
    static constexpr int kOrgFound = 1;
    static constexpr int kParkFound = 2;
    static constexpr int kTeamFound = 4;
    static constexpr int kAllFound = kOrgFound | kParkFound | kTeamFound;

    TeamByPark teamByPark;
    std::string leagueName;
    std::string seasonText = "0";
    // The same year as a number.
    int seasonYear = 0;
    int filesFound = 0;
    // The park file under the name the folder holds it by; empty when the folder has none.
    std::filesystem::path parkFile;
    // One line for each listed data file that could not be read, naming the file and the reason.
    std::vector<std::string> problems;
    // An organization or team file that was read but gave nothing (no record in use).
    std::vector<SeasonWarning> warnings;

    bool isComplete() const { return filesFound == kAllFound; }
    // "Park Factors for " + league + " in " + season, nothing inserted between the pieces.
    std::string caption() const;
    // The data file names that the folder lacks (or could not be read), for messages.
    std::vector<std::string> missingFiles() const;
};

// Scans a season folder given its path and the names its file list holds. Names are matched
// without regard to case; two names that differ only in case count once, and the lower-case one
// is opened. An organization or team file that cannot be read does not count as found.
SeasonScan scanSeasonFolder(const std::filesystem::path& folder, const std::vector<std::string>& listedNames);

// The league name from an organization name field: with a NUL in it, NULs become blanks and the
// blanks at both ends go; without one, the field is kept whole.
std::string leagueNameFromField(const std::string& orgName);

// A team name part cut at its first NUL; without a NUL, all 16 bytes, trailing blanks included.
std::string teamNamePart(const std::string& field);

} // namespace vendrix::season
