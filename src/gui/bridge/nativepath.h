#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <string>
#include <string_view>

// Between Qt's names of files and the standard library's. On Windows a path goes over as the
// system's wide (UTF-16) name, so no character is lost to the 8-bit code page; on Linux as the
// name's bytes, as the file system keeps them.
namespace vendrix::gui {

std::filesystem::path toNativePath(const QString& path);
QString fromNativePath(const std::filesystem::path& path);

// The text of a message that the standard C++ code built (it names files by path::string(): UTF-8
// on Windows, the name's bytes elsewhere).
QString fromMessageText(std::string_view text);

// A folder as the folder memory keeps it, given and taken as UTF-8 (on Linux the name's bytes); on
// Windows with the system's backslashes, as Windows programs write paths.
std::string toRememberedFolder(const QString& folder);
QString fromRememberedFolder(const std::string& folder);

// The program's command line, its name first, before Qt starts: on Windows from the wide command
// line, so that a folder named outside the 8-bit code page comes through whole.
QStringList commandLineArguments(int argc, char* argv[]);

} // namespace vendrix::gui
