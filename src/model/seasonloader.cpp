#include "seasonloader.h"

#include "season/exists.h"
#include "season/recordfile.h"
#include "season/seasonfileerror.h"
#include "season/seasonfiles.h"

#include <system_error>

namespace vendrix::model {

namespace {

namespace fs = std::filesystem;
using season::SeasonWarning;

// The bytes after the last whole record are left unread, and a file of records none of which is a
// park in use gives an empty table: both would otherwise pass without a word.
void warnOfParkFile(Season& result, const std::string& fileName, const season::RecordFile& records) {
    if (const std::uint64_t rest = records.length() % records.recordLength(); rest != 0)
        result.addWarning({SeasonWarning::Kind::ParkFileCut,
                           fileName + " ends " + std::to_string(rest) + " bytes into record " +
                               std::to_string(records.recordCount() + 1) + "; those bytes were not read"});
    if (result.parkCount() == 0) {
        const std::uint64_t count = records.recordCount();
        const std::string held = count == 0 ? "no whole record"
                                 : count == 1
                                     ? "1 record, not a park in use"
                                     : std::to_string(count) + " records, none of them a park in use";
        result.addWarning(
            {SeasonWarning::Kind::NoParkInUse, fileName + " holds " + held + "; the table has no parks"});
    }
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

} // namespace

SeasonBuild buildSeason(const season::SeasonScan& scan, const fs::path& folder, const fs::path& parkFile) {
    if (!season::Exists(parkFile))
        return {BuildOutcome::NoParkFile, std::nullopt, std::string(kNoParkFileMessage)};
    try {
        season::RecordFile records(parkFile, season::ParkRecord::kSize, season::RecordCounting::WholeRecords);
        if (records.length() == 0)
            return {BuildOutcome::NoData, std::nullopt, std::string(kNoDataMessage)};
        Season result(folder, scan.leagueName, scan.seasonText, scan.seasonYear,
                      std::make_shared<const season::TeamByPark>(scan.teamByPark));
        for (const SeasonWarning& warning : scan.warnings)
            result.addWarning(warning);
        result.reserve(records.recordCount());
        std::array<std::uint8_t, season::ParkRecord::kSize> bytes{};
        for (std::uint64_t n = 1; n <= records.recordCount(); ++n) {
            records.read(n, bytes);
            const season::ParkRecord park = season::ParkRecord::decode(bytes);
            if (park.isInUse() && park.seasonYear > 0)
                result.addPark(park);
        }
        warnOfParkFile(result, parkFile.filename().string(), records);
        return {BuildOutcome::Built, std::move(result), {}};
    } catch (const season::SeasonFileError& error) {
        return {BuildOutcome::ReadFailed, std::nullopt, error.what()};
    }
}

std::variant<Season, LoadFailure> loadSeason(const fs::path& folder, std::string_view shownName) {
    const std::string name(shownName);
    std::error_code ec;
    const fs::file_status status = fs::status(folder, ec);
    if (ec && ec != std::errc::no_such_file_or_directory)
        return LoadFailure{"cannot read " + name + ": " + ec.message()};
    if (!fs::is_directory(status))
        return LoadFailure{name + (fs::exists(status) ? " is not a folder" : ": no such folder")};
    // A folder that cannot be listed would pass for one without season files.
    fs::directory_iterator listing(folder, ec);
    if (ec)
        return LoadFailure{"cannot read the folder " + name + ": " + ec.message()};
    const season::SeasonScan scan = season::scanSeasonFolder(folder, season::listSeasonFileNames(folder));
    if (!scan.isComplete()) {
        std::string message =
            name + " is not a complete season folder: missing " + joined(scan.missingFiles());
        for (const std::string& problem : scan.problems)
            message += "\n  " + problem;
        return LoadFailure{std::move(message)};
    }
    SeasonBuild build = buildSeason(scan, folder, scan.parkFile);
    if (!build.built())
        return LoadFailure{name + ": " + trimmed(build.message)};
    return std::move(*build.season);
}

} // namespace vendrix::model
