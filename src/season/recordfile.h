#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

namespace vendrix::season {

// How a file's length turns into a number of records.
enum class RecordCounting {
    WholeRecords,   // length / L rounded down: a trailing fragment is ignored (park file)
    RoundHalfToEven // length / L rounded to nearest, an exact half to the even neighbour (team, org files)
};

// A season data file opened read-only and read as fixed-length records numbered from 1.
// The file is closed when the object goes, on every way out.
class RecordFile {
public:
    // Throws SeasonFileError when the file cannot be opened or is a folder.
    RecordFile(const std::filesystem::path& path, std::size_t recordLength, RecordCounting counting);

    const std::filesystem::path& path() const { return path_; }
    std::uint64_t length() const { return length_; }
    std::uint64_t recordCount() const { return recordCount_; }
    std::size_t recordLength() const { return recordLength_; }

    // Reads record n (1 to recordCount()) into `out`, which must hold recordLength() bytes. Bytes that
    // the rounding rule counts but the file does not hold read as 0. Throws SeasonFileError on a read
    // failure. Sequential reads cost no seek.
    void read(std::uint64_t n, std::span<std::uint8_t> out);

    static std::uint64_t countRecords(std::uint64_t length, std::size_t recordLength,
                                      RecordCounting counting);

private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };

    std::filesystem::path path_;
    std::size_t recordLength_;
    std::unique_ptr<std::FILE, Closer> file_;
    std::vector<char> buffer_;
    std::uint64_t length_ = 0;
    std::uint64_t recordCount_ = 0;
    std::uint64_t position_ = 0;
};

} // namespace vendrix::season
