#pragma once

#include <optional>
#include <string>
#include <string_view>

// The season files and ParkDir.txt hold text one byte per character in Windows-1252. This is the one
// table of that code page: the display, the UTF-8 outputs and the folder memory all convert here.
namespace vendrix::season::windows1252 {

// The Unicode code point of one byte. The five bytes that Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 control of the same number, so every byte survives a round trip.
char16_t toUnicode(unsigned char byte);

// Appends the UTF-8 form of a code point below U+10000 (all that Windows-1252 reaches).
void appendUtf8(std::string& out, char32_t codePoint);

// UTF-8 text of Windows-1252 bytes; ASCII passes unchanged, so every line and field keeps its place.
std::string toUtf8(std::string_view bytes);

// Windows-1252 bytes of UTF-8 text; nothing when the text is not valid UTF-8 or holds a character
// that Windows-1252 has no byte for.
std::optional<std::string> fromUtf8(std::string_view utf8);

} // namespace vendrix::season::windows1252
