#include "benchseason.h"

#include "seasonkit/sampleseason.h"

#include <cstdlib>

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

} // namespace vendrix::bench
