#pragma once

#include <QString>
#include <string_view>

namespace vendrix::platform {

// Windows-1252 bytes (season texts, captions) as text for the screen. Only the display converts:
// tables and output files keep the bytes.
QString fromWindows1252(std::string_view bytes);

} // namespace vendrix::platform
