#pragma once

#include "parkcolumns.h"

#include <array>
#include <cassert>
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

    // The text of a cell; row and column must lie in the table. Inline: every output and the grid
    // ask for each of a table's million cells.
    std::string_view cell(int row, int column) const {
        assert(row >= 0 && row < rowCount() && column >= 0 && column < kParkColumnCount);
        const std::size_t index =
            static_cast<std::size_t>(row) * kParkColumnCount + static_cast<std::size_t>(column);
        const std::uint32_t start =
            column == 0 ? rowStarts_[static_cast<std::size_t>(row)] : cellEnds_[index - 1];
        return {text_.data() + start, cellEnds_[index] - start};
    }

    // The texts of the cells from firstColumn to lastColumn of a row, back to back.
    std::string_view cellRun(int row, int firstColumn, int lastColumn) const {
        const std::string_view first = cell(row, firstColumn);
        const std::string_view last = cell(row, lastColumn);
        return {first.data(), static_cast<std::size_t>(last.data() + last.size() - first.data())};
    }

    void appendRow(const Row& cells);
    void reserve(std::size_t rows, std::size_t textBytes);

    bool operator==(const ParkTable& other) const;

private:
    std::string text_;
    std::vector<std::uint32_t> cellEnds_;  // end offset in text_ of every cell, row by row
    std::vector<std::uint32_t> rowStarts_; // start offset in text_ of every row
};

} // namespace vendrix::parktable
