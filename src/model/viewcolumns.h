#pragma once

#include "columns.h"
#include "park.h"

#include <array>
#include <string>

// The columns a view shows after the table's 35, which no output file writes: the fly ball's verdict
// in each park, and the park's shape against its HR factors. Like the table's own, each is a Column
// (captions, names, key, alignment, width) and model::column(index) finds it by its index; every
// caption, name and key of them is written here and nowhere else. columns() keeps to the table's 35,
// so the CSV, the text report, the printed report and the park table never meet these.
namespace vendrix::model {

inline constexpr int kViewColumnCount = 3;
// The table's columns and the view's after them, as the grid numbers them.
inline constexpr int kShownColumnCount = kColumnCount + kViewColumnCount;

// Which view columns show and hide together.
enum class ViewColumnGroup { FlyBall, Shape };

namespace viewcol {
inline constexpr int flyBall = 35;
inline constexpr int shapeLHB = 36;
inline constexpr int shapeRHB = 37;
} // namespace viewcol

const std::array<Column, kViewColumnCount>& viewColumns();
bool isViewColumn(int index);
ViewColumnGroup groupOf(int viewColumnIndex);

// The name the season JSON's per-park object gives the shape factors ("shape_hr"), whose members are
// the keys' members ("lhb", "rhb").
std::string_view shapeFactorsKey();

// What a view shows in its columns, park by park: the texts (UTF-8), a number to sort them by (higher
// is more: the surer home run, the larger factor; -infinity for a cell without a value) and a note for
// the tooltip. Asked from the window's thread while the view shows it.
class ViewCells {
public:
    virtual ~ViewCells() = default;
    virtual std::string text(const Park& park, int column) const = 0;
    virtual double sortKey(const Park& park, int column) const = 0;
    virtual std::string toolTip(const Park& park, int column) const = 0;
};

// The words of a park that counts for nothing in the fly ball's column.
inline constexpr std::string_view kNoVerdict = "No verdict";

} // namespace vendrix::model
