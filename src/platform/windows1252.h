#pragma once

#include <optional>
#include <string>
#include <string_view>

// The season files and ParkDir.txt hold text one byte per character in Windows-1252. These
// conversions use the standard library only, so that code without Qt (and fuzz targets) can use them.
namespace vendrix::platform::windows1252 {

// The Unicode code point of one byte. The five bytes that Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 control of the same number, so every byte survives a round trip.
char16_t toUnicode(unsigned char byte);

// UTF-8 text of Windows-1252 bytes.
std::string toUtf8(std::string_view bytes);

// Windows-1252 bytes of UTF-8 text; nothing when the text is not valid UTF-8 or holds a character
// that Windows-1252 has no byte for.
std::optional<std::string> fromUtf8(std::string_view utf8);

} // namespace vendrix::platform::windows1252
