#pragma once

#include "exportoptions.h"
#include "model/season.h"
#include "parkquery/parkfilter.h"

#include <string>

namespace vendrix::exporter {

// The season as the JSON export writes it, with the parks the filter keeps.
std::string seasonJsonText(const model::Season& season, const parkquery::ParkFilter& filter = {});

// The CSV or the text report in the encoding asked for: unchanged for Windows-1252, converted
// byte by byte for UTF-8.
std::string inEncoding(std::string windows1252Text, TextEncoding encoding);

} // namespace vendrix::exporter
