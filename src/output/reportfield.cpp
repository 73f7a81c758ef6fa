#include "reportfield.h"

namespace vendrix::output {

ReportField::ReportField(std::string_view pattern) {
    std::string layout;
    for (char c : pattern) {
        if (c == '!')
            fillFromLeft_ = true;
        else
            layout.push_back(c);
    }
    const std::size_t first = layout.find('@');
    const std::size_t last = layout.rfind('@');
    if (first == std::string::npos || layout.find_first_not_of('@', first) < last) {
        general_.emplace(pattern);
        return;
    }
    before_ = layout.substr(0, first);
    after_ = layout.substr(last + 1);
    positions_ = last - first + 1;
}

void ReportField::appendTo(std::string& out, std::string_view text) const {
    if (general_) {
        general_->appendTo(out, text);
        return;
    }
    out.append(before_);
    const std::size_t blanks = text.size() < positions_ ? positions_ - text.size() : 0;
    if (!fillFromLeft_)
        out.append(blanks, ' ');
    // A text longer than the positions is written whole and pushes what follows to the right.
    out.append(text);
    if (fillFromLeft_)
        out.append(blanks, ' ');
    out.append(after_);
}

} // namespace vendrix::output
