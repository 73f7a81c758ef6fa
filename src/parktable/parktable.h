#pragma once

#include "model/columns.h"
#include "model/season.h"

#include <array>
#include <string_view>

namespace vendrix::parktable {

inline constexpr int kParkColumnCount = model::kColumnCount;
inline constexpr int kGroupCaptionRow = 0;
inline constexpr int kColumnCaptionRow = 1;
inline constexpr int kFirstParkRow = 2;
inline constexpr int kCaptionRowCount = 2;
namespace col = model::col;

// A season as the park table of text cells that the grid shows and the CSV, the text report and the
// printed report write: row 0 the group captions, row 1 the column captions, then a row per park in
// file order; 35 columns, the last two empty. A view: it holds no text of its own, and every cell is
// a view of the catalogue's captions, the park's name field and team bytes, a word, or a number's
// decimal text, valid as long as the season. The season must outlive the table.
class ParkTable {
public:
    explicit ParkTable(const model::Season& season) : season_(&season) {}

    const model::Season& season() const { return *season_; }
    int rowCount() const { return season_->parkCount() + kCaptionRowCount; }
    int columnCount() const { return kParkColumnCount; }
    int parkCount() const { return season_->parkCount(); }

    // The park of a park row (kFirstParkRow and after).
    const model::Park& park(int row) const { return season_->parkAtRow(row - kCaptionRowCount + 1); }
    // The table row of a park.
    static int rowOf(const model::Park& park) { return park.row() + kCaptionRowCount - 1; }

    using Row = std::array<std::string_view, kParkColumnCount>;

    // The text of a cell, as the table shows it; row and column must lie in the table.
    std::string_view cell(int row, int column) const;
    // Every cell of a row at once, as cell() gives them: for the outputs, which write whole rows.
    void rowCells(int row, Row& cells) const;

private:
    const model::Season* season_;
};

} // namespace vendrix::parktable
