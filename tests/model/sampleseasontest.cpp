#include "seasonkit/sampleseason.h"

#include "model/seasonloader.h"
#include "parktable/parktable.h"
#include "season/seasonfiles.h"
#include "season/seasonscan.h"
#include "support/tempfolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

using namespace vendrix;

namespace {

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

const std::filesystem::path kSamples = std::filesystem::path(VENDRIX_SAMPLES_DIR) / "northwind-2031";

} // namespace

TEST(SampleSeason, CommittedFilesAreWhatTheToolWrites) {
    test::TempFolder folder;
    seasonkit::writeSeason(folder.path(), seasonkit::sampleSeason());
    for (const char* name : {"dmbpark.dat", "dmbteam.dat", "dmborg.dat"})
        EXPECT_EQ(readFile(folder / name), readFile(kSamples / name))
            << name << " differs; run make-sample-season";
}

TEST(SampleSeason, ScansCompleteAndBuildsThirtyTwoParks) {
    const auto scan = season::scanSeasonFolder(kSamples, season::listSeasonFileNames(kSamples));
    ASSERT_TRUE(scan.isComplete());
    EXPECT_EQ(scan.caption(), "Park Factors for Northwind Baseball League in 2031");
    const auto build = model::buildSeason(scan, kSamples, scan.parkFile);
    ASSERT_TRUE(build.built());
    const parktable::ParkTable table(*build.season);
    EXPECT_EQ(table.parkCount(), 32);
    EXPECT_EQ(table.cell(20, 0), "Estadio Pe\xF1"
                                        "asco" +
                                            std::string(15, ' '));
    EXPECT_EQ(table.cell(32, 1), ""); // a park no team plays in
    EXPECT_EQ(table.cell(30, 1), "Brightwater Bays Twilight Kestrel");
}
