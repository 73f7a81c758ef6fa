#pragma once

#include "model/seasonloader.h"
#include "parktable/parktable.h"

#include <cstdlib>

namespace vendrix::fuzz {

// What every season built from a park file holds, and its table, whatever the file held.
inline void checkBuiltSeason(const model::SeasonBuild& build) {
    if (!build.built()) {
        if (build.season || build.message.empty())
            std::abort();
        return;
    }
    const parktable::ParkTable table(*build.season);
    if (table.rowCount() < 2)
        std::abort();
    for (int c = 0; c < table.columnCount(); ++c)
        if (table.cell(1, c) != model::column(c).caption)
            std::abort();
    for (int r = 2; r < table.rowCount(); ++r) {
        if (table.cell(r, 0).size() != 30 || !table.cell(r, 33).empty() || !table.cell(r, 34).empty())
            std::abort();
        for (int c = 2; c <= 32; ++c)
            if (table.cell(r, c).empty())
                std::abort();
    }
}

} // namespace vendrix::fuzz
