#pragma once

#include <string>
#include <string_view>

namespace vendrix::output {

// Fits a text into a fixed-width field described by a pattern: every "@" is one position; with a
// "!" in the pattern the text fills the positions from the left, otherwise from the right; any other
// character is copied in place and the "!" takes no position. The text is used unchanged. A text
// longer than the positions is written whole, pushing what follows in the pattern to the right.
// The reports write many thousand fields; a pattern of one run of positions between fixed characters
// (as all of theirs are) is written with block copies.
class FieldPattern {
public:
    explicit FieldPattern(std::string_view pattern);

    std::size_t positions() const { return positions_; }
    // The width of the field for a text that fits.
    std::size_t width() const { return layout_.size(); }

    void appendTo(std::string& out, std::string_view text) const;
    std::string apply(std::string_view text) const;

private:
    void appendCharacterwise(std::string& out, std::string_view text) const;

    std::string layout_; // the pattern without "!", each "@" still in place
    std::size_t positions_ = 0;
    bool fillFromLeft_ = false;
    // For a single run of positions: the fixed characters before and after it.
    bool oneRun_ = false;
    std::string before_;
    std::string after_;
};

} // namespace vendrix::output
