// What the system does with the files: names that no 8-bit code page holds, read and written
// whole, and (on Windows) an output file that another program holds open.
#include "output/outputfile.h"
#include "season/seasonfiles.h"
#include "season/seasonscan.h"
#include "seasonkit/sampleseason.h"
#include "support/tempfolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#ifdef _WIN32
#include <windows.h>
#endif

namespace vendrix {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::size_t entriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// Latin, Greek and CJK letters together: no single code page has them all.
const fs::path kWideName(u8"Sæson Ωmega \u4e2d\u592e \u2713");

TEST(SystemFiles, NamesBeyondTheCodePageAreReadAndWrittenWhole) {
    test::TempFolder folder;
    const fs::path season = folder / kWideName;
    seasonkit::writeSeason(season, seasonkit::sampleSeason());
    const season::SeasonScan scan = season::scanSeasonFolder(season, season::listSeasonFileNames(season));
    EXPECT_TRUE(scan.isComplete());

    const fs::path target = season / fs::path(kWideName.u8string() + u8".csv");
    output::writeOutputFile(target, "new\r\n");
    output::writeOutputFile(target, "newer\r\n");
    EXPECT_EQ(readFile(target), "newer\r\n");
    EXPECT_EQ(entriesIn(season), 4u) << "three season files and the output, no temporary file";

    try {
        output::writeOutputFile(season / "missing" / kWideName, "x");
        FAIL() << "wrote into a missing folder";
    } catch (const output::OutputError& error) {
        // Messages carry names as UTF-8 on Windows, as their bytes elsewhere: either way whole.
        const std::u8string name = kWideName.u8string();
        EXPECT_NE(std::string(error.what()).find(std::string(name.begin(), name.end())), std::string::npos)
            << error.what();
    }
}

#ifdef _WIN32
// A file that another program has open without sharing it, as a spreadsheet holds its document.
class HeldOpen {
public:
    explicit HeldOpen(const fs::path& file)
        : handle_(CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr)) {}
    ~HeldOpen() {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;
    bool holds() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

TEST(SystemFiles, AFileHeldOpenElsewhereIsNamedAndKeptWhole) {
    test::TempFolder folder;
    const fs::path target = folder / fs::path(u8"parks \u2713.csv");
    std::ofstream(target, std::ios::binary) << "the old table\r\n";
    {
        const HeldOpen other(target);
        ASSERT_TRUE(other.holds());
        try {
            output::writeOutputFile(target, "the new table\r\n");
            FAIL() << "replaced a file that another program holds";
        } catch (const output::OutputError& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(target.string()), std::string::npos) << message;
            EXPECT_NE(message.find("another program"), std::string::npos) << message;
        }
    }
    EXPECT_EQ(readFile(target), "the old table\r\n");
    EXPECT_EQ(entriesIn(folder.path()), 1u) << "no temporary file is left";
    output::writeOutputFile(target, "the new table\r\n");
    EXPECT_EQ(readFile(target), "the new table\r\n");

    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY);
    try {
        output::writeOutputFile(target, "x");
        FAIL() << "replaced a read-only file";
    } catch (const output::OutputError& error) {
        EXPECT_NE(std::string(error.what()).find("read-only"), std::string::npos) << error.what();
    }
    EXPECT_EQ(readFile(target), "the new table\r\n");
    EXPECT_EQ(entriesIn(folder.path()), 1u) << "no temporary file is left";
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
}
#endif

} // namespace
} // namespace vendrix
