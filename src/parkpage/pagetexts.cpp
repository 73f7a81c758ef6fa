#include "pagetexts.h"

#include "season/utf8.h"
#include "season/windows1252.h"

namespace vendrix::parkpage {

namespace {

bool isControl(char32_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0);
}

void appendEscaped(std::string& out, char32_t c) {
    switch (c) {
    case '&':
        out += "&amp;";
        return;
    case '<':
        out += "&lt;";
        return;
    case '>':
        out += "&gt;";
        return;
    case '"':
        out += "&quot;";
        return;
    case '\'':
        out += "&#39;";
        return;
    default:
        break;
    }
    season::utf8::append(out, isControl(c) ? season::utf8::kReplacement : c);
}

} // namespace

std::string displayText(std::string_view cell) {
    std::string text;
    text.reserve(cell.size());
    for (char c : cell) {
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
        if (c == ' ' && (text.empty() || text.back() == ' '))
            continue;
        text.push_back(c);
    }
    if (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

void appendHtml(std::string& out, std::string_view windows1252) {
    for (const char byte : windows1252) {
        // Most of a season is plain ASCII that needs no reference: a million cells pass here.
        const auto b = static_cast<unsigned char>(byte);
        if (b >= 0x20 && b < 0x7F && b != '&' && b != '<' && b != '>' && b != '"' && b != '\'')
            out.push_back(byte);
        else
            appendEscaped(out, season::windows1252::toUnicode(b));
    }
}

void appendDisplayHtml(std::string& out, std::string_view cell) {
    const auto isBlank = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n';
    };
    while (!cell.empty() && isBlank(cell.front()))
        cell.remove_prefix(1);
    while (!cell.empty() && isBlank(cell.back()))
        cell.remove_suffix(1);
    // Whole runs between blanks at once; each run of blanks becomes one.
    while (!cell.empty()) {
        std::size_t word = 0;
        while (word < cell.size() && !isBlank(cell[word]))
            ++word;
        appendHtml(out, cell.substr(0, word));
        cell.remove_prefix(word);
        if (cell.empty())
            break;
        out.push_back(' ');
        while (!cell.empty() && isBlank(cell.front()))
            cell.remove_prefix(1);
    }
}

void appendHtmlUtf8(std::string& out, std::string_view utf8) {
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t start = at;
        const char32_t c = season::utf8::decode(utf8, at);
        // A well-formed character beyond ASCII passes as it stands; only ASCII needs escaping.
        if (c >= 0x80 && !isControl(c))
            out.append(utf8.substr(start, at - start));
        else
            appendEscaped(out, c);
    }
}

} // namespace vendrix::parkpage
