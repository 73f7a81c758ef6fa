#pragma once

#include <filesystem>
#include <string_view>

namespace vendrix::output {

inline constexpr std::string_view kRefusedNameMessage =
    "The program already uses this filename you must chose another name ";

// The text report refuses any path whose lower-case form holds "parkdir.txt".
bool isRefusedReportName(std::string_view path);

// True when the path names the folder-memory file (ParkDir.txt) of the working folder.
bool isFolderMemoryFile(const std::filesystem::path& path);

} // namespace vendrix::output
