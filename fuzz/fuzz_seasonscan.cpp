// Scans a season folder made of fuzzed files, then builds its table. The input's first three bytes
// say which files exist and how the rest is split among them.
#include "fuzzfolder.h"
#include "parktablechecks.h"
#include "season/seasonfiles.h"
#include "season/seasonscan.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const vendrix::fuzz::FuzzFolder folder;
    if (size < 3)
        return 0;
    folder.clear();
    const std::uint8_t present = data[0];
    std::string_view rest(reinterpret_cast<const char*>(data + 3), size - 3);
    const std::size_t orgLength = std::min<std::size_t>(rest.size(), data[1] * 4u);
    const std::string_view org = rest.substr(0, orgLength);
    rest.remove_prefix(orgLength);
    const std::size_t teamLength = std::min<std::size_t>(rest.size(), data[2] * 16u);
    const std::string_view team = rest.substr(0, teamLength);
    const std::string_view park = rest.substr(teamLength);

    // Capitals, two spellings, and folders in place of files all come from the flag bits.
    if (present & 1)
        folder.write(present & 8 ? "DMBORG.DAT" : "dmborg.dat", org);
    if (present & 2)
        folder.write(present & 16 ? "DmbPark.dat" : "dmbpark.dat", park);
    if (present & 4)
        folder.write("dmbteam.dat", team);
    if (present & 32)
        folder.write("DMBTEAM.DAT", park);
    if (present & 64) {
        std::error_code ec; // fails when the file is there already, which is fine
        std::filesystem::create_directory(folder.path() / "dmborg.dat", ec);
    }

    const auto scan =
        vendrix::season::scanSeasonFolder(folder.path(), vendrix::season::listSeasonFileNames(folder.path()));
    if (scan.filesFound < 0 || scan.filesFound > 7 || scan.teamByPark.size() != 3001)
        std::abort();
    if (scan.isComplete())
        vendrix::fuzz::checkBuiltSeason(vendrix::model::buildSeason(scan, folder.path(), scan.parkFile));
    return 0;
}
