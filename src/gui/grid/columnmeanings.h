#pragma once

#include <QString>

namespace vendrix::gui {

// What a park table column holds, in full, for its caption's tooltip:
// "LFL: distance to the fence at the left-field line, feet". Empty for the columns without caption.
QString columnMeaning(int column);
// The column's short name in a cell's tooltip: "HR, LHB", "LFL, distance", "Year".
QString columnShortName(int column);

} // namespace vendrix::gui
