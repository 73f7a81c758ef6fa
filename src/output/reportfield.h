#pragma once

#include "parktable/fieldpattern.h"

#include <optional>
#include <string>
#include <string_view>

namespace vendrix::output {

// A field pattern as the reports write it, many thousand times a report. Every pattern of the
// reports is one run of positions between fixed characters, which is written here with block
// copies rather than character by character; the result is FieldPattern's, byte for byte.
class ReportField {
public:
    explicit ReportField(std::string_view pattern);

    void appendTo(std::string& out, std::string_view text) const;

private:
    std::string before_; // the fixed characters before the positions
    std::string after_;  // and after them
    std::size_t positions_ = 0;
    bool fillFromLeft_ = false;
    // Positions split by fixed characters: written by the general pattern.
    std::optional<parktable::FieldPattern> general_;
};

} // namespace vendrix::output
