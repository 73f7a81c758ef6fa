#include "pageoutput.h"

#include "parkpage/parkpage.h"

namespace vendrix::exporter {

std::string seasonPageText(const SeasonTable& season, const seasondiff::ChangeNotes* changes) {
    return parkpage::parkPage({season.table, {season.league, season.season}, changes, {}});
}

} // namespace vendrix::exporter
