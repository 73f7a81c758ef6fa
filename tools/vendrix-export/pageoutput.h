#pragma once

#include "seasondiff/changenotes.h"
#include "seasondiff/seasoncomparison.h"
#include "seasonload.h"

#include <string>

namespace vendrix::exporter {

// The season as the web page writes it, with each park's diagram.
std::string seasonPageText(const SeasonTable& season);

// The new season's page with the changes since the old one marked, and each changed park's old
// outline behind its diagram.
std::string comparedPageText(const SeasonTable& oldSeason, const SeasonTable& newSeason,
                             const seasondiff::SeasonComparison& comparison,
                             const seasondiff::ChangeNotes& changes);

} // namespace vendrix::exporter
