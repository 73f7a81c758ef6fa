#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

// Files by their system names: on Windows the wide (UTF-16) names, so that no character of a folder
// or file name is lost to the 8-bit code page; on POSIX systems the name's bytes.
namespace vendrix::native {

// A file name given as text (a command-line argument, UTF-8 on Windows) as a path; elsewhere the
// name's bytes unchanged.
inline std::filesystem::path pathFromText(std::string_view text) {
#ifdef _WIN32
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
#else
    return std::filesystem::path(text);
#endif
}

// std::fopen for a path; null with errno set when the file cannot be opened.
std::FILE* openFile(const std::filesystem::path& path, const char* mode);

// Makes what was written to the file durable on the disk. Empty when done, else the reason.
std::string flushToDisk(std::FILE* file);

// Puts the file `from` in the place of `to` in one step, `to` replaced when it exists: a reader sees
// the old file or the new one, never a part. Empty when done, else the reason, which says so when
// another program holds `to` open. On failure `to` is as it was and `from` is still there.
std::string replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace vendrix::native
