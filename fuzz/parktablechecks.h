#pragma once

#include "parktable/parktable.h"
#include "parktable/parktablebuilder.h"

#include <cstdlib>

namespace vendrix::fuzz {

// What every built table holds, whatever the park file held.
inline void checkBuiltTable(const parktable::ParkTableBuild& build) {
    if (!build.built()) {
        if (build.table || build.message.empty())
            std::abort();
        return;
    }
    const parktable::ParkTable& table = *build.table;
    if (table.rowCount() < 2)
        std::abort();
    for (int c = 0; c < table.columnCount(); ++c)
        if (table.cell(1, c) != parktable::kParkColumns[static_cast<std::size_t>(c)].caption)
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
