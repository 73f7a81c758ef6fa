#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace vendrix::fuzz {

// A folder of the fuzz run's own in memory-backed storage, emptied before each input.
class FuzzFolder {
public:
    FuzzFolder();
    const std::filesystem::path& path() const { return path_; }
    void clear() const;
    void write(const std::string& name, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

} // namespace vendrix::fuzz
