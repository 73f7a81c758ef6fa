#pragma once

#include "parkcolumns.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vendrix::parktable {

// The park table: rows of 35 text cells. Row 0 holds the group captions, row 1 the column
// captions, every later row one park. Cells hold the season files' bytes unchanged.
// All cell texts live in one buffer, so a season of 32,767 parks stays a few megabytes.
class ParkTable {
public:
    using Row = std::array<std::string_view, kParkColumnCount>;

    // A table of the two caption rows only.
    static ParkTable withCaptions();

    int rowCount() const { return static_cast<int>(rowStarts_.size()); }
    int columnCount() const { return kParkColumnCount; }
    int parkCount() const { return rowCount() - kCaptionRowCount; }

    // The text of a cell; row and column must lie in the table.
    std::string_view cell(int row, int column) const;

    void appendRow(const Row& cells);
    void reserve(std::size_t rows, std::size_t textBytes);

    bool operator==(const ParkTable& other) const;

private:
    std::string text_;
    std::vector<std::uint32_t> cellEnds_;  // end offset in text_ of every cell, row by row
    std::vector<std::uint32_t> rowStarts_; // start offset in text_ of every row
};

} // namespace vendrix::parktable
