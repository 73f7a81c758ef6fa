#include "diagramfilename.h"

#include "season/windows1252.h"

#include <string>

namespace vendrix::exporter {

namespace {

// Refused by Windows (controls and <>:"/\|?*) or by Linux (NUL and /).
bool refusedInFileName(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos;
}

} // namespace

std::filesystem::path diagramFileName(int parkNumber, int parkCount, std::string_view parkName,
                                      std::string_view extension) {
    const std::size_t first = parkName.find_first_not_of(" \0", 0, 2);
    std::string_view name;
    if (first != std::string_view::npos)
        name =
            parkName.substr(first, parkName.find_last_not_of(" \0", std::string_view::npos, 2) - first + 1);
    std::string text = std::to_string(parkNumber);
    const std::size_t width = std::to_string(parkCount).size();
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    if (!name.empty())
        text += ' ' + season::windows1252::toUtf8(name);
    for (char& c : text)
        if (refusedInFileName(c))
            c = '_';
    text += extension;
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

} // namespace vendrix::exporter
