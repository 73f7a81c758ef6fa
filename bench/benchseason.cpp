#include "benchseason.h"

#include "model/seasonloader.h"
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

model::Season loadBenchSeason(const std::filesystem::path& folder) {
    auto loaded = model::loadSeason(folder, folder.string());
    if (auto* season = std::get_if<model::Season>(&loaded))
        return std::move(*season);
    return {};
}

const model::Season* benchSeasonModel() {
    static const model::Season season = loadBenchSeason(benchSeason());
    return season.parkCount() > 0 ? &season : nullptr;
}

const parktable::ParkTable* benchTable() {
    static const std::optional<parktable::ParkTable> table =
        benchSeasonModel() ? std::optional<parktable::ParkTable>(*benchSeasonModel()) : std::nullopt;
    return table ? &*table : nullptr;
}

} // namespace vendrix::bench
