#include "jsonoutput.h"

#include "parkjson/seasonjson.h"
#include "parkjson/windows1252utf8.h"

namespace vendrix::exporter {

std::string seasonJsonText(const SeasonTable& season) {
    return parkjson::seasonJson(season.table, {season.league, season.season});
}

std::string inEncoding(std::string windows1252Text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8)
        return parkjson::utf8FromWindows1252(windows1252Text);
    return windows1252Text;
}

} // namespace vendrix::exporter
