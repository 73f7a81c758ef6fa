#include "output/outputfile.h"

#include "output/outputname.h"
#include "support/tempfolder.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#ifndef _WIN32
#include <sys/resource.h>
#endif

using namespace vendrix;
namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeFile(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

#ifndef _WIN32
// Lets this process write files of at most `bytes` bytes while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};
#endif

// Runs in a working folder of its own, as the window does with its folder memory.
class WorkingFolder {
public:
    WorkingFolder() : previous_(fs::current_path()) { fs::current_path(folder_.path()); }
    ~WorkingFolder() { fs::current_path(previous_); }
    const fs::path& path() const { return folder_.path(); }

private:
    test::TempFolder folder_;
    fs::path previous_;
};

} // namespace

TEST(OutputFile, ReplacesAnExistingFileWhole) {
    test::TempFolder folder;
    const fs::path target = folder / "parks.csv";
    writeFile(target, std::string(5000, 'x'));
    output::writeOutputFile(target, "short\r\n");
    EXPECT_EQ(readFile(target), "short\r\n");
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"parks.csv"});
    output::writeOutputFile(folder / "no extension", "");
    EXPECT_TRUE(fs::exists(folder / "no extension"));
    const std::string longest(255, 'n'); // the longest name a file can have here
    output::writeOutputFile(folder / longest, "x");
    EXPECT_EQ(readFile(folder / longest), "x");
}

#ifndef _WIN32
// File size limits, POSIX error texts and symbolic links are POSIX matters; systemfilestest.cpp
// has what the Windows build checks instead.
TEST(OutputFile, FailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    test::TempFolder folder;
    const fs::path target = folder / "report.txt";
    writeFile(target, "the old report\r\n");
    try {
        FileSizeLimit limit(4096);
        output::writeOutputFile(target, std::string(100000, 'y'));
        FAIL() << "the write went through";
    } catch (const output::OutputError& error) {
        EXPECT_NE(std::string(error.what()).find(target.string()), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find("too large"), std::string::npos) << error.what();
    }
    EXPECT_EQ(readFile(target), "the old report\r\n");
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"report.txt"});
}

TEST(OutputFile, UnwritablePlacesAreReportedWithTheirNames) {
    test::TempFolder folder;
    fs::create_directory(folder / "a folder");
    EXPECT_THROW(output::writeOutputFile(folder / "a folder", "x"), output::OutputError);
    try {
        output::writeOutputFile(folder / "missing" / "parks.csv", "x");
        FAIL();
    } catch (const output::OutputError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("missing/parks.csv"), std::string::npos) << message;
        EXPECT_NE(message.find("No such file or directory"), std::string::npos) << message;
    }
}

TEST(OutputFile, ALinkStaysALinkAndTheFileBehindItIsReplaced) {
    test::TempFolder folder;
    writeFile(folder / "real.csv", "old");
    fs::permissions(folder / "real.csv", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("real.csv", folder / "link.csv");
    output::writeOutputFile(folder / "link.csv", "new");
    EXPECT_TRUE(fs::is_symlink(folder / "link.csv"));
    EXPECT_EQ(readFile(folder / "real.csv"), "new");
    EXPECT_EQ(fs::status(folder / "real.csv").permissions(), fs::perms::owner_read | fs::perms::owner_write);
}
#endif

TEST(OutputName, ReportNameCheckRefusesAnyPathHoldingTheMemoryFileName) {
    for (const char* refused : {"/home/u/ParkDir.TXT", "C:\\seasons\\ParkDir.txt", "myparkdir.txt",
                                "parkdir.txt.bak", "/tmp/parkdir.txt/report.txt"})
        EXPECT_TRUE(output::isRefusedReportName(refused)) << refused;
    for (const char* accepted : {"/home/u/ParkDir.csv", "/home/u/park dir.txt", "report.txt", ""})
        EXPECT_FALSE(output::isRefusedReportName(accepted)) << accepted;
}

TEST(OutputName, FolderMemoryFileIsTheOneInTheWorkingFolder) {
    WorkingFolder work;
    fs::create_directory(work.path() / "sub");
    for (const fs::path& same : {fs::path("ParkDir.txt"), fs::path("./parkdir.TXT"),
                                 work.path() / "ParkDir.txt", fs::path("sub/../ParkDir.txt")})
        EXPECT_TRUE(output::isFolderMemoryFile(same)) << same;
    for (const fs::path& other :
         {fs::path("sub/ParkDir.txt"), fs::path("ParkDir.csv"), fs::path("myParkDir.txt")})
        EXPECT_FALSE(output::isFolderMemoryFile(other)) << other;
#ifndef _WIN32
    writeFile(work.path() / "ParkDir.txt", "\"/seasons\"\r\n");
    fs::create_symlink(work.path() / "ParkDir.txt", work.path() / "sub" / "export.csv");
    EXPECT_TRUE(output::isFolderMemoryFile("sub/export.csv"));
#endif
}
