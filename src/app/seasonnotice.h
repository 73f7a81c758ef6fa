#pragma once

#include "model/season.h"

#include <QString>

namespace vendrix::app {

// The line above the table for what is wrong with the season shown, or empty when nothing is. It
// leads with what the user lost ("The table is empty", "The last park record is cut off and is not
// shown") and gives the warning's own words in brackets; the most serious loss comes first.
QString seasonNoticeText(const model::Season& season);

} // namespace vendrix::app
