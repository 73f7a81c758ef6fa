#include "foldermemory.h"

#include "windows1252.h"

namespace vendrix::season::foldermemory {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kLineBreaks = "\r\n";
constexpr std::string_view kBlanks = " \t";

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

} // namespace

std::string format(std::string_view utf8Path) {
    std::string bytes;
    const auto codePage = season::windows1252::fromUtf8(utf8Path);
    // A line break in a folder name would end the line early; behind the mark the field runs to the
    // last quote instead.
    if (codePage && utf8Path.find_first_of(kLineBreaks) == std::string_view::npos) {
        bytes = '"' + *codePage + '"';
    } else {
        bytes = std::string(kUtf8Mark) + '"' + std::string(utf8Path) + '"';
    }
    bytes += kLineEnd;
    return bytes;
}

std::string parse(std::string_view bytes) {
    const bool utf8 = bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark;
    if (utf8)
        bytes.remove_prefix(kUtf8Mark.size());
    std::string_view line = bytes.substr(0, bytes.find_first_of(kLineBreaks));
    line = line.substr(std::min(line.size(), line.find_first_not_of(kBlanks)));

    std::string_view field;
    if (!line.empty() && line.front() == '"') {
        line.remove_prefix(1);
        // Behind the mark the quoted field may go on over line breaks of the folder's own name.
        const std::string_view quoted =
            utf8 ? bytes.substr(static_cast<std::size_t>(line.data() - bytes.data())) : line;
        const auto closing = quoted.rfind('"');
        field = closing == std::string_view::npos ? line : quoted.substr(0, closing);
    } else {
        field = trimBlanks(line.substr(0, line.find(',')));
    }
    return utf8 ? std::string(field) : season::windows1252::toUtf8(field);
}

} // namespace vendrix::season::foldermemory
