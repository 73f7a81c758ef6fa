#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vendrix::parkjson {

// Appends one JSON document to a string, value by value. The caller keeps the order right (a key
// before every member of an object); the writer adds the commas, the layout and the escaping.
class JsonWriter {
public:
    // Inline: {"a":1,"b":2}, no blank spent where a season has a million values. OneMemberPerLine:
    // every member on its own indented line, for the outer levels that a reader scrolls through.
    enum class Layout { Inline, OneMemberPerLine };

    explicit JsonWriter(std::string& out) : out_(out) {}

    void beginObject(Layout layout = Layout::Inline);
    void endObject();
    void beginArray(Layout layout = Layout::Inline);
    void endArray();

    // An object member's name: plain ASCII that needs no escape, as every key of the exports is.
    void key(std::string_view name);

    // A string of Windows-1252 bytes, written as UTF-8 with JSON's escapes. Control characters,
    // C1 controls included, are written as \u escapes so that no invisible byte reaches a reader raw.
    void windows1252String(std::string_view bytes);
    void integer(std::int64_t value);
    // A number with one decimal given in tenths: 1004 is written 100.4, -5 is -0.5.
    void tenths(std::int64_t value);
    void null();

    // Members already written as JSON text ("a":1,"b":"x"), added to the open inline object as
    // they stand: for the fixed part of a park object, which a season repeats tens of thousands
    // of times.
    void rawMembers(std::string_view members);

    // Appends the quoted, escaped UTF-8 form of Windows-1252 bytes, as windows1252String writes it.
    static void appendString(std::string& out, std::string_view bytes);

private:
    struct Level {
        Layout layout;
        bool empty = true;
    };

    void beforeValue();
    void begin(char bracket, Layout layout);
    void end(char bracket);
    void newLine();
    // After a key: a blank follows the colon only on the outer, one-member-per-line levels.
    std::string_view keyEnd() const {
        return levels_.empty() || levels_.back().layout == Layout::Inline ? "\":" : "\": ";
    }

    std::string& out_;
    std::vector<Level> levels_;
    bool afterKey_ = false;
};

} // namespace vendrix::parkjson
