#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace vendrix::test {

// Every entry below a folder: a regular file by its bytes, a symbolic link by its target (never
// followed), a folder by its name with a trailing "/". Two snapshots are equal exactly when nothing
// in the folder was created, removed or written.
using FolderSnapshot = std::map<std::string, std::string>;

FolderSnapshot snapshot(const std::filesystem::path& folder);

// The names of the entries that were added, removed or changed from one snapshot to the next, one
// a line; empty when none was.
std::string changesBetween(const FolderSnapshot& before, const FolderSnapshot& after);

std::string fileBytes(const std::filesystem::path& file);

} // namespace vendrix::test
