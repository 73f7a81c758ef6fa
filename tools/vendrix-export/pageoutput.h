#pragma once

#include "seasondiff/changenotes.h"
#include "seasonload.h"

#include <string>

namespace vendrix::exporter {

// The season as the web page writes it; with notes, the changes since another season marked.
std::string seasonPageText(const SeasonTable& season, const seasondiff::ChangeNotes* changes);

} // namespace vendrix::exporter
