#include "parktablebuilder.h"

#include "parkvocabulary.h"
#include "season/exists.h"
#include "season/recordfile.h"
#include "season/seasonfileerror.h"

#include <charconv>

namespace vendrix::parktable {

namespace {

// Room for the decimal text of every number of one row: "-32768" is the longest.
class NumberTexts {
public:
    std::string_view put(int index, int value) {
        char* begin = texts_[static_cast<std::size_t>(index)].data();
        const auto result = std::to_chars(begin, begin + kWidth, value);
        return {begin, static_cast<std::size_t>(result.ptr - begin)};
    }

private:
    static constexpr std::size_t kWidth = 8;
    std::array<std::array<char, kWidth>, kParkColumnCount> texts_{};
};

} // namespace

namespace {

constexpr std::size_t kNameWidth = season::ParkRecord::kNameWidth;

// Writes the park-name cell into a buffer of 30 characters, without a heap allocation per park.
std::string_view putParkNameCell(std::array<char, kNameWidth>& cell, std::string_view parkName) {
    std::size_t first = 0;
    std::size_t end = parkName.size();
    const auto isBlank = [](char c) {
        return c == ' ' || c == '\0';
    };
    while (first < end && isBlank(parkName[first]))
        ++first;
    while (end > first && isBlank(parkName[end - 1]))
        --end;
    cell.fill(' ');
    for (std::size_t i = first; i < end && i - first < kNameWidth; ++i)
        cell[i - first] = parkName[i] == '\0' ? ' ' : parkName[i];
    return {cell.data(), cell.size()};
}

// The bytes after the last whole record are left unread, and a file of records none of which is a
// park in use gives an empty table: both would otherwise pass without a word.
std::vector<season::SeasonWarning> parkFileWarnings(const std::string& fileName,
                                                    const season::RecordFile& records, int parkCount) {
    using Kind = season::SeasonWarning::Kind;
    std::vector<season::SeasonWarning> warnings;
    if (const std::uint64_t rest = records.length() % records.recordLength(); rest != 0)
        warnings.push_back({Kind::ParkFileCut,
                            fileName + " ends " + std::to_string(rest) + " bytes into record " +
                                std::to_string(records.recordCount() + 1) + "; those bytes were not read"});
    if (parkCount == 0) {
        const std::uint64_t count = records.recordCount();
        const std::string held = count == 0 ? "no whole record"
                                 : count == 1
                                     ? "1 record, not a park in use"
                                     : std::to_string(count) + " records, none of them a park in use";
        warnings.push_back({Kind::NoParkInUse, fileName + " holds " + held + "; the table has no parks"});
    }
    return warnings;
}

} // namespace

std::vector<season::SeasonWarning> seasonWarnings(const season::SeasonScan& scan,
                                                  const ParkTableBuild& build) {
    std::vector<season::SeasonWarning> warnings = scan.warnings;
    warnings.insert(warnings.end(), build.warnings.begin(), build.warnings.end());
    return warnings;
}

std::string parkNameCell(const std::string& parkName) {
    std::array<char, kNameWidth> cell{};
    return std::string(putParkNameCell(cell, parkName));
}

void appendParkRow(ParkTable& table, const season::ParkRecord& park, const season::TeamByPark& teamByPark) {
    NumberTexts numbers;
    std::array<char, kNameWidth> name{};
    ParkTable::Row row{};
    row[col::parkName] = putParkNameCell(name, park.parkName);
    row[col::teamName] = teamByPark.nameFor(park.parkId);
    row[col::year] = numbers.put(col::year, park.seasonYear);
    for (int i = 0; i < static_cast<int>(season::ParkRecord::kFencePoints); ++i) {
        row[col::firstFenceDistance + i] = numbers.put(col::firstFenceDistance + i, park.fenceDistance[i]);
        row[col::firstFenceHeight + i] = numbers.put(col::firstFenceHeight + i, park.fenceHeight[i]);
    }
    for (int i = 0; i < static_cast<int>(season::ParkRecord::kFactors); ++i) {
        row[col::firstFactorLHB + i] = numbers.put(col::firstFactorLHB + i, park.factorsLHB[i]);
        row[col::firstFactorRHB + i] = numbers.put(col::firstFactorRHB + i, park.factorsRHB[i]);
    }
    const std::array<std::pair<ParkAttribute, std::uint8_t>, 8> attributes{{
        {ParkAttribute::Type, park.parkType},
        {ParkAttribute::Surface, park.surface},
        {ParkAttribute::FoulGround, park.foulGround},
        {ParkAttribute::TimeZone, park.timeZone},
        {ParkAttribute::WindSpeed, park.windSpeed},
        {ParkAttribute::AvgTemp, park.avgTemp},
        {ParkAttribute::TempChange, park.tempChange},
        {ParkAttribute::RainFreq, park.rainFreq},
    }};
    for (std::size_t i = 0; i < attributes.size(); ++i)
        row[col::firstAttribute + i] = wordFor(attributes[i].first, attributes[i].second);
    table.appendRow(row);
}

ParkTableBuild buildParkTable(const std::filesystem::path& parkFile, const season::TeamByPark& teamByPark) {
    if (!season::Exists(parkFile))
        return {BuildOutcome::NoParkFile, std::nullopt, std::string(kNoParkFileMessage), {}};
    try {
        season::RecordFile records(parkFile, season::ParkRecord::kSize, season::RecordCounting::WholeRecords);
        if (records.length() == 0)
            return {BuildOutcome::NoData, std::nullopt, std::string(kNoDataMessage), {}};
        ParkTable table = ParkTable::withCaptions();
        constexpr std::size_t kTypicalRowBytes = 160;
        table.reserve(records.recordCount() + kCaptionRowCount,
                      (records.recordCount() + 2) * kTypicalRowBytes);
        std::array<std::uint8_t, season::ParkRecord::kSize> bytes{};
        for (std::uint64_t n = 1; n <= records.recordCount(); ++n) {
            records.read(n, bytes);
            const season::ParkRecord park = season::ParkRecord::decode(bytes);
            if (park.isInUse() && park.seasonYear > 0)
                appendParkRow(table, park, teamByPark);
        }
        ParkTableBuild build{BuildOutcome::Built, std::move(table), {}, {}};
        build.warnings = parkFileWarnings(parkFile.filename().string(), records, build.table->parkCount());
        return build;
    } catch (const season::SeasonFileError& error) {
        return {BuildOutcome::ReadFailed, std::nullopt, error.what(), {}};
    }
}

} // namespace vendrix::parktable
