// ParkDir.txt broken in every way a disk, an editor or an old run leaves it, each through the
// window's real start-up and then Exit: never a crash or a hang, the start goes on as a first start
// or returns to the remembered folder, the start leaves the memory as it found it (a missing or empty
// one becomes empty), Exit writes exactly the quoted folder and CR LF or says why it cannot, and
// the season's files are left byte for byte as they were.
#include "foldersnapshot.h"
#include "gui/folders/filelist.h"
#include "gui/folders/folderlist.h"
#include "season/foldermemory.h"
#include "windowtest.h"

#include <QFile>
#include <QSignalSpy>
#include <fstream>
#include <functional>
#include <random>

namespace vendrix::test {
namespace {

namespace fs = std::filesystem;

enum class Start {
    AsFirstStart,   // the lists stay on the working folder and nothing is scanned
    RestoresSeason, // the lists go to the season and Get Park Info is enabled
};

struct MemoryCase {
    std::string name;
    // Puts the memory (and whatever else the case needs) into the working folder.
    std::function<void(const fs::path& work, const fs::path& season)> prepare;
    Start start;
    // The file that the start creates empty, relative to the working folder, when the memory holds
    // nothing to read.
    std::string createdEmpty;
    // Exit cannot write the memory and says so.
    bool exitRefused = false;
};

std::string quotedLine(const fs::path& folder) {
    return '"' + folder.string() + "\"\r\n";
}

void write(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string randomBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& b : bytes)
        b = static_cast<char>(random());
    return bytes;
}

const fs::path kMemory = "ParkDir.txt";

std::vector<MemoryCase> memoryCases() {
    const auto holding = [](std::function<std::string(const fs::path& season)> bytes) {
        return [bytes](const fs::path& work, const fs::path& season) {
            write(work / kMemory, bytes(season));
        };
    };
    return {
        {"missing", [](const fs::path&, const fs::path&) {}, Start::AsFirstStart, "ParkDir.txt"},
        {"empty", holding([](const fs::path&) { return ""; }), Start::AsFirstStart, "ParkDir.txt"},
        // The first byte that Exit writes, and nothing after it.
        {"one byte", holding([](const fs::path&) { return "\""; }), Start::AsFirstStart},
        {"quoted path one byte short", holding([](const fs::path& season) {
             return quotedLine(season).substr(0, quotedLine(season).size() - 1);
         }),
         Start::RestoresSeason},
        {"quoted path one byte over",
         holding([](const fs::path& season) { return quotedLine(season) + "x"; }), Start::RestoresSeason},
        // The folder was "season": "seas" is none.
        {"line cut inside the folder name", holding([](const fs::path& season) {
             return '"' + season.string().substr(0, season.string().size() - 2);
         }),
         Start::AsFirstStart},
        {"quoted path without its closing quote",
         holding([](const fs::path& season) { return '"' + season.string(); }), Start::RestoresSeason},
        {"random bytes", holding([](const fs::path&) { return randomBytes(4096, 7); }), Start::AsFirstStart},
        {"all bytes 0xFF", holding([](const fs::path&) { return std::string(4096, '\xFF'); }),
         Start::AsFirstStart},
        {"all bytes 0x00", holding([](const fs::path&) { return std::string(4096, '\0'); }),
         Start::AsFirstStart},
        {"huge file after the line",
         holding([](const fs::path& season) { return quotedLine(season) + randomBytes(6 << 20, 11); }),
         Start::RestoresSeason},
        {"huge file of one line", holding([](const fs::path&) { return std::string(6 << 20, 'x'); }),
         Start::AsFirstStart},
        {"a folder in place of the file",
         [](const fs::path& work, const fs::path&) { fs::create_directory(work / kMemory); },
         Start::AsFirstStart, "", true},
        {"a name in capitals",
         [](const fs::path& work, const fs::path& season) {
             write(work / "parkdir.TXT", quotedLine(season));
         },
         Start::AsFirstStart, "ParkDir.txt"},
        // The link stays; the file it points to is the memory, created at the start.
        {"a link to a missing file",
         [](const fs::path& work, const fs::path&) { fs::create_symlink("gone.txt", work / kMemory); },
         Start::AsFirstStart, "gone.txt"},
        {"a link into a missing folder",
         [](const fs::path& work, const fs::path&) {
             fs::create_symlink("gone/ParkDir.txt", work / kMemory);
         },
         Start::AsFirstStart, "", true},
        {"a folder that no longer exists",
         holding([](const fs::path& season) { return quotedLine(season.parent_path() / "deleted-season"); }),
         Start::AsFirstStart},
        {"a file in place of the folder",
         holding([](const fs::path& season) { return quotedLine(season / "dmbpark.dat"); }),
         Start::AsFirstStart},
        {"unquoted path", holding([](const fs::path& season) { return season.string() + "\r\n"; }),
         Start::RestoresSeason},
    };
}

class ParkDirMatrix : public WindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(ParkDirMatrix, StartAndExitEndWellAndTouchNoDataFile) {
    const MemoryCase memory = memoryCases()[static_cast<std::size_t>(GetParam())];
    const fs::path season = makeSeason("season");
    memory.prepare(workFolder(), season);
    const FolderSnapshot seasonBefore = snapshot(season);
    FolderSnapshot workExpected = snapshot(workFolder());
    if (!memory.createdEmpty.empty())
        workExpected[memory.createdEmpty] = "";

    auto window = std::make_unique<app::Form1>(standIns.services());
    QSignalSpy scans(&window->folderList(), &gui::FolderList::pathChanged);
    window->load();

    EXPECT_EQ(changesBetween(workExpected, snapshot(workFolder())), "")
        << "the start wrote the working folder";
    EXPECT_TRUE(standIns.messages.texts.isEmpty()) << standIns.messages.texts.join('\n').toStdString();
    if (memory.start == Start::RestoresSeason) {
        EXPECT_EQ(window->folderList().path(), qpath(season));
        EXPECT_EQ(window->fileList().path(), qpath(season));
        EXPECT_TRUE(button(*window, "cmdGetParkInfo").isEnabled());
    } else {
        EXPECT_EQ(window->folderList().path(), qpath(workFolder()));
        EXPECT_EQ(scans.count(), 0);
        EXPECT_FALSE(button(*window, "cmdGetParkInfo").isEnabled());
    }
    for (const char* output : {"cmdPrintInfo", "cmdWritetoFile", "cmdWriteCSV"})
        EXPECT_FALSE(button(*window, output).isEnabled()) << output;

    QSignalSpy exits(window.get(), &app::Form1::exitRequested);
    button(*window, "cmdExit").click();
    EXPECT_EQ(exits.count(), 1);
    if (memory.exitRefused) {
        ASSERT_EQ(standIns.messages.texts.size(), 1);
        EXPECT_TRUE(standIns.messages.texts.front().contains(QStringLiteral("ParkDir.txt")));
    } else {
        EXPECT_TRUE(standIns.messages.texts.isEmpty());
        EXPECT_EQ(fileBytes(memoryFile()),
                  season::foldermemory::format(QFile::encodeName(window->fileList().path()).toStdString()));
        EXPECT_EQ(fileBytes(memoryFile()), quotedLine(fs::path(window->fileList().path().toStdString())));
    }
    EXPECT_EQ(fs::is_symlink(memoryFile()), memory.name.starts_with("a link"));
    EXPECT_EQ(changesBetween(seasonBefore, snapshot(season)), "");
}

// Exit remembers any folder the lists can show, and the next start returns to it.
using FolderMemoryRoundTrip = WindowTest;

TEST_F(FolderMemoryRoundTrip, FolderNamesThatALineCannotCarry) {
    for (const std::string name : {"North\r\nwind 2031", "line\nbreak", "quote\"\r\n\"d", "Caf\xC3\xA9\n"}) {
        const fs::path season = makeSeason(name);
        {
            const auto window = startWindow();
            ASSERT_TRUE(openFolder(*window, season)) << name;
            button(*window, "cmdExit").click();
        }
        const auto next = startWindow();
        EXPECT_EQ(next->folderList().path(), qpath(season)) << name;
        EXPECT_TRUE(button(*next, "cmdGetParkInfo").isEnabled()) << name;
    }
    EXPECT_TRUE(standIns.messages.texts.isEmpty());
}

std::string caseName(const ::testing::TestParamInfo<int>& info) {
    std::string name = memoryCases()[static_cast<std::size_t>(info.param)].name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(EveryBrokenMemory, ParkDirMatrix,
                         ::testing::Range(0, static_cast<int>(memoryCases().size())), caseName);

} // namespace
} // namespace vendrix::test
