// Builds the park table from an arbitrary park file.
#include "fuzzfolder.h"
#include "parktablechecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const vendrix::fuzz::FuzzFolder folder;
    static const vendrix::season::TeamByPark teams = [] {
        vendrix::season::TeamByPark t;
        for (int id = 0; id <= 3000; id += 7)
            t.set(id, "Club " + std::to_string(id));
        return t;
    }();
    folder.write("dmbpark.dat", {reinterpret_cast<const char*>(data), size});
    const auto build = vendrix::parktable::buildParkTable(folder.path() / "dmbpark.dat", teams);
    vendrix::fuzz::checkBuiltTable(build);
    if (build.built() && build.table->parkCount() > static_cast<int>(size / 154))
        std::abort();
    return 0;
}
