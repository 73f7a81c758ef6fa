#include "fieldpattern.h"

namespace vendrix::output {

FieldPattern::FieldPattern(std::string_view pattern) {
    for (char c : pattern) {
        if (c == '!') {
            fillFromLeft_ = true;
            continue;
        }
        if (c == '@')
            ++positions_;
        layout_.push_back(c);
    }
    const std::size_t first = layout_.find('@');
    const std::size_t last = layout_.rfind('@');
    oneRun_ = first != std::string::npos && layout_.find_first_not_of('@', first) > last;
    if (oneRun_) {
        before_ = layout_.substr(0, first);
        after_ = layout_.substr(last + 1);
    }
}

void FieldPattern::appendTo(std::string& out, std::string_view text) const {
    if (!oneRun_) {
        appendCharacterwise(out, text);
        return;
    }
    out.append(before_);
    const std::size_t blanks = text.size() < positions_ ? positions_ - text.size() : 0;
    if (!fillFromLeft_)
        out.append(blanks, ' ');
    out.append(text);
    if (fillFromLeft_)
        out.append(blanks, ' ');
    out.append(after_);
}

void FieldPattern::appendCharacterwise(std::string& out, std::string_view text) const {
    // The text's characters go into the positions in order; blanks fill the positions it leaves
    // (after it when filling from the left, before it otherwise). Characters beyond the last
    // position go in right behind it, so a long text stays whole and in order.
    const std::size_t used = text.size() < positions_ ? text.size() : positions_;
    const std::size_t blanks = positions_ - used;
    const std::size_t excess = text.size() - used;
    std::size_t position = 0; // index of the "@" met so far
    std::size_t next = 0;     // next character of the text
    out.reserve(out.size() + layout_.size() + excess);
    for (char c : layout_) {
        if (c != '@') {
            out.push_back(c);
            continue;
        }
        const bool blank = fillFromLeft_ ? position >= used : position < blanks;
        ++position;
        if (blank) {
            out.push_back(' ');
            continue;
        }
        out.push_back(text[next++]);
        if (position == positions_ && excess > 0) {
            out.append(text.substr(next));
            next = text.size();
        }
    }
    if (next < text.size()) // a pattern without positions still loses no text
        out.append(text.substr(next));
}

std::string FieldPattern::apply(std::string_view text) const {
    std::string out;
    appendTo(out, text);
    return out;
}

} // namespace vendrix::output
