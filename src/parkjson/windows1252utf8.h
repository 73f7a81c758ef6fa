#pragma once

#include <string>
#include <string_view>

// The season files hold text one byte per character in Windows-1252. The JSON export and the UTF-8
// forms of the CSV and the text report turn those bytes into UTF-8 here, without any library.
namespace vendrix::parkjson {

// The Unicode code point of one byte. The five bytes that Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the C1 control characters of the same value, so no byte is lost.
char32_t codePointOf(unsigned char byte);

// Appends the UTF-8 form of a code point below U+10000 (all that Windows-1252 reaches).
void appendUtf8(std::string& out, char32_t codePoint);

// UTF-8 text of Windows-1252 bytes; ASCII passes unchanged, so every line and field keeps its place.
std::string utf8FromWindows1252(std::string_view bytes);

} // namespace vendrix::parkjson
