#include "seasonscan.h"

#include "orgrecord.h"
#include "recordfile.h"
#include "seasonfileerror.h"
#include "seasonfiles.h"
#include "teamrecord.h"

#include <array>
#include <map>

namespace vendrix::season {

namespace {

std::string trimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// A file that was read whole and gave no record is worth a word: the caption and the team column
// then show blanks and "0" with nothing to say why.
SeasonWarning noRecordTaken(SeasonWarning::Kind kind, std::string_view fileName, std::uint64_t records,
                            std::string_view missing) {
    const std::string held = records == 0   ? "no record"
                             : records == 1 ? "1 record, not in use"
                                            : std::to_string(records) + " records, none in use";
    return {kind, std::string(fileName) + " holds " + held + "; " + std::string(missing)};
}

void readOrgFile(const std::filesystem::path& file, SeasonScan& scan) {
    RecordFile records(file, OrgRecord::kSize, RecordCounting::RoundHalfToEven);
    std::array<std::uint8_t, OrgRecord::kSize> bytes{};
    bool taken = false;
    for (std::uint64_t n = 1; n <= records.recordCount(); ++n) {
        records.read(n, bytes);
        const OrgRecord org = OrgRecord::decode(bytes);
        if (org.isTaken()) {
            scan.leagueName = leagueNameFromField(org.orgName);
            taken = true;
        }
    }
    if (!taken)
        scan.warnings.push_back(noRecordTaken(SeasonWarning::Kind::NoLeagueRecord, seasonfiles::kOrgFile,
                                              records.recordCount(), "the league has no name"));
}

void readTeamFile(const std::filesystem::path& file, SeasonScan& scan) {
    RecordFile records(file, TeamRecord::kSize, RecordCounting::RoundHalfToEven);
    std::array<std::uint8_t, TeamRecord::kSize> bytes{};
    bool taken = false;
    for (std::uint64_t n = 1; n <= records.recordCount(); ++n) {
        records.read(n, bytes);
        const TeamRecord team = TeamRecord::decode(bytes);
        if (!team.isTaken())
            continue;
        taken = true;
        scan.seasonYear = team.seasonYear;
        scan.seasonText = std::to_string(team.seasonYear);
        // An id outside 0 to 3000 still sets the season, but its team has nowhere to go.
        scan.teamByPark.set(team.parkId, teamNamePart(team.nameFirst) + ' ' + teamNamePart(team.nameSecond));
    }
    if (!taken)
        scan.warnings.push_back(noRecordTaken(SeasonWarning::Kind::NoTeamRecord, seasonfiles::kTeamFile,
                                              records.recordCount(),
                                              "the season has no year and the parks no teams"));
}

// For each data file the folder lists, the name to open it by: the lower-case one when the folder
// lists it, otherwise the first listed spelling.
std::map<std::string, std::string> resolveListedNames(const std::vector<std::string>& listedNames) {
    std::map<std::string, std::string> byLowerName;
    for (const std::string& name : listedNames) {
        const std::string lower = toLowerAscii(name);
        if (!isSeasonFileName(lower))
            continue;
        auto [it, inserted] = byLowerName.emplace(lower, name);
        if (!inserted && name == lower)
            it->second = name;
    }
    return byLowerName;
}

} // namespace

std::string leagueNameFromField(const std::string& orgName) {
    if (orgName.find('\0') == std::string::npos)
        return orgName;
    std::string blanked = orgName;
    for (char& c : blanked)
        if (c == '\0')
            c = ' ';
    return trimBlanks(blanked);
}

std::string teamNamePart(const std::string& field) {
    const auto nul = field.find('\0');
    return nul == std::string::npos ? field : field.substr(0, nul);
}

std::string SeasonScan::caption() const {
    return "Park Factors for " + leagueName + " in " + seasonText;
}

std::vector<std::string> SeasonScan::missingFiles() const {
    std::vector<std::string> missing;
    if (!(filesFound & kOrgFound))
        missing.emplace_back(seasonfiles::kOrgFile);
    if (!(filesFound & kParkFound))
        missing.emplace_back(seasonfiles::kParkFile);
    if (!(filesFound & kTeamFound))
        missing.emplace_back(seasonfiles::kTeamFile);
    return missing;
}

SeasonScan scanSeasonFolder(const std::filesystem::path& folder,
                            const std::vector<std::string>& listedNames) {
    SeasonScan scan;
    for (const auto& [lower, listed] : resolveListedNames(listedNames)) {
        const std::filesystem::path file = folder / listed;
        try {
            if (lower == seasonfiles::kOrgFile) {
                readOrgFile(file, scan);
                scan.filesFound += SeasonScan::kOrgFound;
            } else if (lower == seasonfiles::kParkFile) {
                // Only looked for here; Get Park Info reads it.
                scan.parkFile = file;
                scan.filesFound += SeasonScan::kParkFound;
            } else {
                readTeamFile(file, scan);
                scan.filesFound += SeasonScan::kTeamFound;
            }
        } catch (const SeasonFileError& error) {
            scan.problems.emplace_back(error.what());
        }
    }
    return scan;
}

} // namespace vendrix::season
