#pragma once

#include <filesystem>
#include <string_view>

namespace vendrix::exporter {

// The file of one park's diagram: "NNN Park Name" and the extension (".svg", ".png"), NNN the park's number
// (1 for the first park) padded with zeros to the width of the largest, the name (Windows-1252 bytes)
// trimmed, in UTF-8, with every character that Windows or Linux refuses in a file name replaced by "_".
std::filesystem::path diagramFileName(int parkNumber, int parkCount, std::string_view parkName,
                                      std::string_view extension);

} // namespace vendrix::exporter
