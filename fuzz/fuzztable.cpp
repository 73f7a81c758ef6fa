#include "fuzztable.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace vendrix::fuzz {

std::vector<std::vector<std::string>> readCsvLeniently(std::string_view text) {
    std::vector<std::vector<std::string>> rows;
    std::size_t at = 0;
    while (at < text.size()) {
        std::vector<std::string>& row = rows.emplace_back();
        for (;;) {
            std::string& field = row.emplace_back();
            if (at < text.size() && text[at] == '"') {
                for (++at; at < text.size(); ++at) {
                    if (text[at] != '"') {
                        field.push_back(text[at]);
                    } else if (at + 1 < text.size() && text[at + 1] == '"') {
                        field.push_back('"');
                        ++at;
                    } else {
                        ++at;
                        break;
                    }
                }
            }
            // An unquoted field, or what follows a closing quote, runs to the comma or line end.
            while (at < text.size() && text[at] != ',' && text[at] != '\n' && text.substr(at, 2) != "\r\n")
                field.push_back(text[at++]);
            if (at < text.size() && text[at] == ',') {
                ++at;
                continue;
            }
            at += text.substr(at, 2) == "\r\n" ? 2 : 1;
            break;
        }
    }
    return rows;
}

namespace {

double numberOr(const std::string& text, double fallback) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    return end == text.c_str() ? fallback : value;
}

} // namespace

FuzzedTable readFuzzedTable(std::string_view input, bool reversed) {
    FuzzedTable fuzzed;
    std::vector<std::vector<std::string>> rows = readCsvLeniently(input);
    std::size_t first = 0;
    if (!rows.empty() && !rows[0].empty() && rows[0][0].starts_with('#')) {
        const std::vector<std::string>& head = rows[0];
        fuzzed.title = head[0].substr(1);
        double* metrics[] = {&fuzzed.metrics.printableHeight, &fuzzed.metrics.leadingLineHeight,
                             &fuzzed.metrics.reportLineHeight};
        for (std::size_t i = 0; i < 3 && i + 1 < head.size(); ++i)
            *metrics[i] = numberOr(head[i + 1], *metrics[i]);
        first = 1;
    }
    const auto field = [](const std::vector<std::string>& row, std::size_t column) {
        return column < row.size() ? row[column] : std::string();
    };
    const auto number = [&](const std::vector<std::string>& row, std::size_t column, long lowest,
                            long highest) {
        const long value = std::strtol(field(row, column).c_str(), nullptr, 10);
        return std::clamp(value, lowest, highest);
    };
    auto teams = std::make_shared<season::TeamByPark>();
    std::vector<season::ParkRecord> parks;
    for (std::size_t r = first + parktable::kCaptionRowCount; r < rows.size(); ++r) {
        const std::vector<std::string>& row = rows[r];
        season::ParkRecord park;
        park.parkId = static_cast<std::int16_t>(parks.size() % 3000);
        teams->set(park.parkId, field(row, 1));
        park.parkName = field(row, 0).substr(0, 30);
        park.parkName.resize(30, '\0');
        park.seasonYear = static_cast<std::int16_t>(number(row, 2, -32768, 32767));
        for (std::size_t i = 0; i < 7; ++i) {
            park.fenceDistance[i] = static_cast<std::int16_t>(number(row, 3 + i, -32768, 32767));
            park.fenceHeight[i] = static_cast<std::uint8_t>(number(row, 10 + i, 0, 255));
        }
        for (std::size_t i = 0; i < 4; ++i) {
            park.factorsLHB[i] = static_cast<std::int16_t>(number(row, 17 + i, -32768, 32767));
            park.factorsRHB[i] = static_cast<std::int16_t>(number(row, 21 + i, -32768, 32767));
        }
        std::uint8_t* codes[] = {&park.parkType,  &park.surface, &park.foulGround, &park.timeZone,
                                 &park.windSpeed, &park.avgTemp, &park.tempChange, &park.rainFreq};
        for (std::size_t i = 0; i < 8; ++i)
            *codes[i] = static_cast<std::uint8_t>(field(row, 25 + i).empty() ? 0 : field(row, 25 + i)[0]);
        parks.push_back(park);
    }
    if (reversed)
        std::reverse(parks.begin(), parks.end());
    fuzzed.season = model::Season({}, fuzzed.title, fuzzed.title, 0, std::move(teams));
    for (const season::ParkRecord& park : parks)
        fuzzed.season.addPark(park);
    return fuzzed;
}

} // namespace vendrix::fuzz
