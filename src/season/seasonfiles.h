#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vendrix::season {

// The names of the three data files of a season folder, as the program compares them: lower case.
namespace seasonfiles {
inline constexpr std::string_view kOrgFile = "dmborg.dat";
inline constexpr std::string_view kParkFile = "dmbpark.dat";
inline constexpr std::string_view kTeamFile = "dmbteam.dat";
// The file list's pattern as the window shows it.
inline constexpr std::string_view kFileListPattern = "dmbpark.dat;dmbteam.dat;dmborg.dat";
} // namespace seasonfiles

// ASCII lower case, byte by byte; other bytes are kept.
std::string toLowerAscii(std::string_view text);

// True when the name is one of the three data file names, without regard to case.
bool isSeasonFileName(std::string_view name);

// The names of the entries of a folder that a file list restricted to the three data files shows:
// everything but folders, matched without regard to case, sorted. Empty when the folder cannot be read.
std::vector<std::string> listSeasonFileNames(const std::filesystem::path& folder);

} // namespace vendrix::season
