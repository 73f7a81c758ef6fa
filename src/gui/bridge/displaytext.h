#pragma once

#include <QString>
#include <string_view>

namespace vendrix::gui {

// Windows-1252 bytes (season texts, captions) as text for the screen, every byte its own character.
// Only the display converts: tables and output files keep the bytes.
QString fromWindows1252(std::string_view bytes);

// The same for a printed line, where a control character would move or hide what follows it: control
// bytes and unassigned codes become "?", so every byte still gives one character and a line keeps
// its columns.
QString printableFromWindows1252(std::string_view bytes);

// UTF-8 text of the standard C++ rooms (notes, labels, the catalogue's names) for the screen.
QString fromUtf8(std::string_view utf8);

} // namespace vendrix::gui
