#pragma once

#include <filesystem>

namespace vendrix::season {

// True exactly when the file's length can be read and is not 0. Never throws.
bool Exists(const std::filesystem::path& basefile) noexcept;

} // namespace vendrix::season
