#include "viewcolumns.h"

namespace vendrix::model {

namespace {

using K = ColumnKind;
using A = ColumnAlignment;
using R = RealRange;
using T = ColumnTint;

constexpr std::string_view kShape = "Shape HR";

// index, kind, group caption, caption, short name, long name, description, key, unit, alignment,
// width, real range, averaged, tint
constexpr std::array<Column, kViewColumnCount> kViewColumns{{
    {35, K::View, "", "Fly ball", "Fly ball", "Fly ball",
     "what the fly ball of the Fly ball bar does in the park: out, off the wall, short or foul", "carry", "",
     A::Centred, 1300, R::Any, false, T::None},
    {36, K::View, kShape, "LHB", "Shape HR LHB", "Shape HR, left-handed batters",
     "the share of a fixed set of well-hit fly balls of left-handed batters that clear the park's walls, "
     "league = 100: the walls' own home-run factor",
     "shape_hr.lhb", "", A::RightTop, 600, R::Any, false, T::None},
    {37, K::View, kShape, "RHB", "Shape HR RHB", "Shape HR, right-handed batters",
     "the share of a fixed set of well-hit fly balls of right-handed batters that clear the park's walls, "
     "league = 100: the walls' own home-run factor",
     "shape_hr.rhb", "", A::RightTop, 600, R::Any, false, T::None},
}};

} // namespace

const std::array<Column, kViewColumnCount>& viewColumns() {
    return kViewColumns;
}

bool isViewColumn(int index) {
    return index >= kColumnCount && index < kShownColumnCount;
}

ViewColumnGroup groupOf(int viewColumnIndex) {
    return viewColumnIndex == viewcol::flyBall ? ViewColumnGroup::FlyBall : ViewColumnGroup::Shape;
}

std::string_view shapeFactorsKey() {
    return kViewColumns[1].keyGroup();
}

} // namespace vendrix::model
