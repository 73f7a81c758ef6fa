#include "season/recordfile.h"

#include "season/exists.h"
#include "season/seasonfileerror.h"
#include "seasonkit/seasonwriter.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

using namespace vendrix::season;
using vendrix::seasonkit::writeBytes;
using vendrix::test::TempFolder;

TEST(RecordCount, ParkFileCountsWholeRecordsOnly) {
    EXPECT_EQ(RecordFile::countRecords(0, 154, RecordCounting::WholeRecords), 0u);
    EXPECT_EQ(RecordFile::countRecords(153, 154, RecordCounting::WholeRecords), 0u);
    EXPECT_EQ(RecordFile::countRecords(154 * 3, 154, RecordCounting::WholeRecords), 3u);
    EXPECT_EQ(RecordFile::countRecords(154 * 3 + 153, 154, RecordCounting::WholeRecords), 3u);
}

TEST(RecordCount, TeamAndOrgFilesRoundHalfToEven) {
    const auto team = [](std::uint64_t length) {
        return RecordFile::countRecords(length, 746, RecordCounting::RoundHalfToEven);
    };
    EXPECT_EQ(team(0), 0u);
    EXPECT_EQ(team(373), 0u); // half of one: rounds to the even 0
    EXPECT_EQ(team(374), 1u);
    EXPECT_EQ(team(1119), 2u); // one and a half: rounds to the even 2
    EXPECT_EQ(team(1865), 2u); // two and a half: rounds to the even 2
    EXPECT_EQ(team(1866), 3u);
    EXPECT_EQ(team(746 * 3), 3u);
    // Counts are not limited to 16 bits.
    EXPECT_EQ(team(746ull * 40000), 40000u);
}

TEST(RecordFileRead, ReadsRecordsByNumberAndZeroFillsAPartialLastRecord) {
    TempFolder folder;
    std::vector<std::uint8_t> bytes(746 + 400);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(1 + i % 250);
    writeBytes(folder / "t.dat", bytes);
    RecordFile file(folder / "t.dat", 746, RecordCounting::RoundHalfToEven);
    ASSERT_EQ(file.recordCount(), 2u);
    std::vector<std::uint8_t> record(746);
    file.read(2, record);
    EXPECT_EQ(record[0], bytes[746]);
    EXPECT_EQ(record[399], bytes[746 + 399]);
    EXPECT_EQ(record[400], 0);
    EXPECT_EQ(record[745], 0);
    file.read(1, record); // backwards needs a seek
    EXPECT_EQ(record[0], bytes[0]);
    EXPECT_EQ(record[745], bytes[745]);
}

TEST(RecordFileRead, RefusesAFolderAndAMissingFileWithTheirNames) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "dmbpark.dat");
    try {
        RecordFile file(folder / "dmbpark.dat", 154, RecordCounting::WholeRecords);
        FAIL() << "a folder was opened as a record file";
    } catch (const SeasonFileError& error) {
        EXPECT_NE(std::string(error.what()).find("dmbpark.dat"), std::string::npos);
    }
    EXPECT_THROW(RecordFile(folder / "nothing.dat", 154, RecordCounting::WholeRecords), SeasonFileError);
}

TEST(ExistsTest, TrueOnlyForAFileWithBytes) {
    TempFolder folder;
    writeBytes(folder / "empty", {});
    writeBytes(folder / "one", {0});
    EXPECT_FALSE(Exists(folder / "empty"));
    EXPECT_FALSE(Exists(folder / "missing"));
    EXPECT_FALSE(Exists(folder.path())); // a folder has no length to read
    EXPECT_TRUE(Exists(folder / "one"));
}
