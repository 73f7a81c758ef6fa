#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace vendrix::season {

// A season file that exists but cannot be opened or read; what() names the file and the reason.
class SeasonFileError : public std::runtime_error {
public:
    SeasonFileError(const std::filesystem::path& file, const std::string& reason)
        : std::runtime_error("Cannot read " + file.string() + ": " + reason), file_(file), reason_(reason) {}

    const std::filesystem::path& file() const { return file_; }
    const std::string& reason() const { return reason_; }

private:
    std::filesystem::path file_;
    std::string reason_;
};

} // namespace vendrix::season
