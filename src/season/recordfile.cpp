#include "recordfile.h"

#include "native/nativefile.h"
#include "seasonfileerror.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <system_error>

namespace vendrix::season {

namespace {

std::string lastErrorText(int error, const char* fallback) {
    return error != 0 ? std::strerror(error) : fallback;
}

} // namespace

std::uint64_t RecordFile::countRecords(std::uint64_t length, std::size_t recordLength,
                                       RecordCounting counting) {
    const std::uint64_t whole = length / recordLength;
    if (counting == RecordCounting::WholeRecords)
        return whole;
    const std::uint64_t twiceRest = 2 * (length % recordLength);
    if (twiceRest > recordLength)
        return whole + 1;
    if (twiceRest == recordLength && whole % 2 == 1)
        return whole + 1;
    return whole;
}

RecordFile::RecordFile(const std::filesystem::path& path, std::size_t recordLength, RecordCounting counting)
    : path_(path), recordLength_(recordLength), buffer_(64 * 1024) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw SeasonFileError(path, "it is a folder, not a file");
    errno = 0;
    file_.reset(native::openFile(path, "rb"));
    if (!file_)
        throw SeasonFileError(path, lastErrorText(errno, "the file cannot be opened"));
    std::setvbuf(file_.get(), buffer_.data(), _IOFBF, buffer_.size());
    errno = 0;
    if (std::fseek(file_.get(), 0, SEEK_END) != 0)
        throw SeasonFileError(path, lastErrorText(errno, "its length cannot be read"));
    const long end = std::ftell(file_.get());
    if (end < 0)
        throw SeasonFileError(path, lastErrorText(errno, "its length cannot be read"));
    length_ = static_cast<std::uint64_t>(end);
    recordCount_ = countRecords(length_, recordLength_, counting);
    position_ = length_; // forces a seek before the first read
}

void RecordFile::read(std::uint64_t n, std::span<std::uint8_t> out) {
    const std::uint64_t start = (n - 1) * recordLength_;
    if (start != position_) {
        errno = 0;
        if (std::fseek(file_.get(), static_cast<long>(start), SEEK_SET) != 0)
            throw SeasonFileError(path_, lastErrorText(errno, "seek failed"));
    }
    const std::size_t wanted =
        static_cast<std::size_t>(std::min<std::uint64_t>(recordLength_, length_ - start));
    errno = 0;
    const std::size_t got = std::fread(out.data(), 1, wanted, file_.get());
    if (got != wanted) {
        const int error = errno;
        throw SeasonFileError(path_, std::ferror(file_.get()) ? lastErrorText(error, "read error")
                                                              : "the file became shorter while it was read");
    }
    std::fill(out.begin() + static_cast<std::ptrdiff_t>(got),
              out.begin() + static_cast<std::ptrdiff_t>(recordLength_), std::uint8_t{0});
    position_ = start + got;
}

} // namespace vendrix::season
