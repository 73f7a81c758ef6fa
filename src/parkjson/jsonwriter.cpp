#include "jsonwriter.h"

#include "season/windows1252.h"

#include <array>
#include <charconv>

namespace vendrix::parkjson {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void appendEscape(std::string& out, char32_t codePoint) {
    switch (codePoint) {
    case '"':
        out += "\\\"";
        return;
    case '\\':
        out += "\\\\";
        return;
    case '\b':
        out += "\\b";
        return;
    case '\f':
        out += "\\f";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        break;
    }
    out += "\\u00";
    out.push_back(kHexDigits[(codePoint >> 4) & 0xF]);
    out.push_back(kHexDigits[codePoint & 0xF]);
}

bool needsEscape(char32_t codePoint) {
    return codePoint < 0x20 || codePoint == '"' || codePoint == '\\' ||
           (codePoint >= 0x7F && codePoint <= 0x9F);
}

// The bytes that stand for themselves in a JSON string: printable ASCII but the quote and the
// backslash. Every other byte takes the slow road through the code page.
constexpr std::array<bool, 256> kPlainBytes = [] {
    std::array<bool, 256> plain{};
    for (int byte = 0x20; byte < 0x7F; ++byte)
        plain[static_cast<std::size_t>(byte)] = byte != '"' && byte != '\\';
    return plain;
}();

} // namespace

void JsonWriter::newLine() {
    out_.push_back('\n');
    out_.append(levels_.size() * 2, ' ');
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (levels_.empty())
        return;
    Level& level = levels_.back();
    if (!level.empty)
        out_.push_back(',');
    if (level.layout == Layout::OneMemberPerLine)
        newLine();
    level.empty = false;
}

void JsonWriter::begin(char bracket, Layout layout) {
    beforeValue();
    out_.push_back(bracket);
    levels_.push_back({layout});
}

void JsonWriter::end(char bracket) {
    const Level level = levels_.back();
    levels_.pop_back();
    if (level.layout == Layout::OneMemberPerLine && !level.empty)
        newLine();
    out_.push_back(bracket);
}

void JsonWriter::beginObject(Layout layout) {
    begin('{', layout);
}

void JsonWriter::endObject() {
    end('}');
}

void JsonWriter::beginArray(Layout layout) {
    begin('[', layout);
}

void JsonWriter::endArray() {
    end(']');
}

void JsonWriter::key(std::string_view name) {
    beforeValue();
    out_.push_back('"');
    out_.append(name);
    out_.append(keyEnd());
    afterKey_ = true;
}

void JsonWriter::windows1252String(std::string_view bytes) {
    beforeValue();
    appendString(out_, bytes);
}

void JsonWriter::appendString(std::string& out, std::string_view bytes) {
    out.push_back('"');
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (kPlainBytes[byte])
            continue;
        const char32_t codePoint = season::windows1252::toUnicode(byte);
        out.append(bytes.substr(runStart, i - runStart));
        if (needsEscape(codePoint))
            appendEscape(out, codePoint);
        else
            season::windows1252::appendUtf8(out, codePoint);
        runStart = i + 1;
    }
    out.append(bytes.substr(runStart));
    out.push_back('"');
}

void JsonWriter::rawMembers(std::string_view members) {
    Level& level = levels_.back();
    if (!level.empty)
        out_.push_back(',');
    out_.append(members);
    level.empty = false;
}

void JsonWriter::integer(std::int64_t value) {
    beforeValue();
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out_.append(digits, result.ptr);
}

void JsonWriter::tenths(std::int64_t value) {
    beforeValue();
    if (value < 0)
        out_.push_back('-');
    const std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, magnitude / 10);
    out_.append(digits, result.ptr);
    out_.push_back('.');
    out_.push_back(static_cast<char>('0' + magnitude % 10));
}

void JsonWriter::null() {
    beforeValue();
    out_ += "null";
}

} // namespace vendrix::parkjson
