#include "jsonwriter.h"

#include "windows1252utf8.h"

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
    else if (!level.empty)
        out_.push_back(' ');
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
    windows1252String(name);
    out_ += ": ";
    afterKey_ = true;
}

void JsonWriter::windows1252String(std::string_view bytes) {
    beforeValue();
    out_.push_back('"');
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char32_t codePoint = codePointOf(static_cast<unsigned char>(bytes[i]));
        const bool plain = codePoint < 0x80 && !needsEscape(codePoint);
        if (plain)
            continue;
        out_.append(bytes.substr(runStart, i - runStart));
        if (needsEscape(codePoint))
            appendEscape(out_, codePoint);
        else
            appendUtf8(out_, codePoint);
        runStart = i + 1;
    }
    out_.append(bytes.substr(runStart));
    out_.push_back('"');
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
