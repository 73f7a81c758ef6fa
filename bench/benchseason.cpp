#include "benchseason.h"

#include "parktable/parktablebuilder.h"
#include "season/seasonfiles.h"
#include "season/seasonscan.h"
#include "seasonkit/sampleseason.h"

#include <cstdlib>
#include <optional>

namespace vendrix::bench {

const std::filesystem::path& benchSeason() {
    static const std::filesystem::path folder = [] {
        if (const char* given = std::getenv("VENDRIX_BENCH_SEASON"); given != nullptr && *given != '\0')
            return std::filesystem::path(given);
        auto path = std::filesystem::temp_directory_path() / "vendrix-bench-season-32767";
        seasonkit::writeSeason(path, seasonkit::syntheticSeason(kBenchParks));
        return path;
    }();
    return folder;
}

const parktable::ParkTable* benchTable() {
    static const std::optional<parktable::ParkTable> table = [] {
        const auto& folder = benchSeason();
        const auto scan = season::scanSeasonFolder(folder, season::listSeasonFileNames(folder));
        auto build = parktable::buildParkTable(scan.parkFile, scan.teamByPark);
        return build.built() ? std::move(build.table) : std::nullopt;
    }();
    return table ? &*table : nullptr;
}

} // namespace vendrix::bench
