#include "windows1252.h"

#include "utf8.h"

#include <array>
#include <cstdint>

namespace vendrix::season::windows1252 {

namespace {

// 0x80 to 0x9F; everything else is the byte's own code point.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<unsigned char> byteFor(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<unsigned char>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == cp)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

} // namespace

char16_t toUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80u];
    return byte;
}

void appendUtf8(std::string& out, char32_t codePoint) {
    utf8::append(out, codePoint);
}

std::string toUtf8(std::string_view bytes) {
    // Runs of ASCII are copied whole: most season text is plain.
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte < 0x80)
            continue;
        text.append(bytes.substr(runStart, i - runStart));
        appendUtf8(text, toUnicode(byte));
        runStart = i + 1;
    }
    text.append(bytes.substr(runStart));
    return text;
}

std::optional<std::string> fromUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const auto cp = utf8::decodeStrict(text, pos);
        if (!cp)
            return std::nullopt;
        const auto byte = byteFor(*cp);
        if (!byte)
            return std::nullopt;
        out.push_back(static_cast<char>(*byte));
    }
    return out;
}

} // namespace vendrix::season::windows1252
