#pragma once

#include "exportoptions.h"
#include "parkjson/parkfilter.h"
#include "seasonload.h"

#include <string>

namespace vendrix::exporter {

// The season as the JSON export writes it, with the parks the filter keeps.
std::string seasonJsonText(const SeasonTable& season, const parkjson::ParkFilter& filter = {});

// The CSV or the text report in the encoding asked for: unchanged for Windows-1252, converted
// byte by byte for UTF-8.
std::string inEncoding(std::string windows1252Text, TextEncoding encoding);

} // namespace vendrix::exporter
