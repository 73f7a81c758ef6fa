#include "jsonoutput.h"

#include "parkjson/seasonjson.h"
#include "season/windows1252.h"

namespace vendrix::exporter {

std::string seasonJsonText(const model::Season& season, const parkquery::ParkFilter& filter) {
    if (filter.empty())
        return parkjson::seasonJson(season);
    const std::vector<int> rows = filter.keptRows(season);
    return parkjson::seasonJson(season, rows);
}

std::string inEncoding(std::string windows1252Text, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8)
        return season::windows1252::toUtf8(windows1252Text);
    return windows1252Text;
}

} // namespace vendrix::exporter
