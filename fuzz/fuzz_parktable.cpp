// Builds the season and its park table from an arbitrary park file.
#include "fuzzfolder.h"
#include "parktablechecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const vendrix::fuzz::FuzzFolder folder;
    static const vendrix::season::SeasonScan scan = [] {
        vendrix::season::SeasonScan made;
        for (int id = 0; id <= 3000; id += 7)
            made.teamByPark.set(id, "Club " + std::to_string(id));
        return made;
    }();
    folder.write("dmbpark.dat", {reinterpret_cast<const char*>(data), size});
    const auto build = vendrix::model::buildSeason(scan, folder.path(), folder.path() / "dmbpark.dat");
    vendrix::fuzz::checkBuiltSeason(build);
    if (build.built() && build.season->parkCount() > static_cast<int>(size / 154))
        std::abort();
    return 0;
}
