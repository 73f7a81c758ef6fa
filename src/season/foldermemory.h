#pragma once

#include <string>
#include <string_view>

// The folder memory, ParkDir.txt: one line of a double quote, the folder path, a double quote and
// CR LF, in Windows-1252. Standard library only, so that a fuzz target can build it alone.
namespace vendrix::season::foldermemory {

inline constexpr std::string_view kFileName = "ParkDir.txt";

// The bytes Exit writes for a folder, given as UTF-8 (the native form of paths on Linux). A path
// with a character that Windows-1252 has no byte for, or with a line break, is written as UTF-8
// behind a byte-order mark instead, so that no remembered folder is lost to the code page or to
// the line.
std::string format(std::string_view utf8Path);

// The folder named by the first line, as UTF-8. A quoted line gives the text between the first
// double quote and the last one, so a path holding a double quote comes back whole (behind the
// byte-order mark, the last one of the file: the path may hold line breaks); a line without a
// quote gives the text up to the first comma, blanks trimmed. Empty when no folder is named.
std::string parse(std::string_view bytes);

} // namespace vendrix::season::foldermemory
