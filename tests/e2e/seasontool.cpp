// Writes season folders and prints what the program makes of them, for the end-to-end tests:
//   vendrix-e2e-season write FOLDER sample|awkward|xmlnames|allbytes|hostile|changed|synthetic:N|hostile:N
//   vendrix-e2e-season table FOLDER    one JSON array of hex-encoded cell bytes per table row
//   vendrix-e2e-season layout FOLDER   the printed report's sections as JSON arrays of hex lines
#include "model/seasonloader.h"
#include "output/printedreport.h"
#include "parktable/parktable.h"
#include "season/seasonfiles.h"
#include "season/seasonscan.h"
#include "seasonkit/changedseason.h"
#include "seasonkit/sampleseason.h"

#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <string>

using namespace vendrix;

namespace {

// Park and team names that a CSV writer must quote right: quotes, commas, line breaks, blanks at
// both ends, a TAB and bytes outside ASCII.
seasonkit::SeasonContent awkwardSeason() {
    seasonkit::SeasonContent content = seasonkit::sampleSeason();
    const char* parkNames[] = {"\"Quoted\" Field", "Comma, Park",          "Line\r\nBreak Park", "\"\"",
                               "Tab\tPark",        "Caf\xE9 \x80uro Park", "Ends With Quote\""};
    int name = 0;
    for (auto& park : content.parks)
        if (park.record.isInUse() && park.record.seasonYear > 0 &&
            name < static_cast<int>(std::size(parkNames)))
            park.record.parkName = parkNames[name++];
    content.teams[0].record.nameFirst = "Say \"Hi\",";
    content.teams[1].record.nameSecond = "Line\nFeed";
    return content;
}

// Park names that XML must escape and Windows-1252 letters that SVG and JSON carry as UTF-8; the
// team of the first park as well.
seasonkit::SeasonContent xmlNamesSeason() {
    seasonkit::SeasonContent content = seasonkit::sampleSeason();
    const char* parkNames[] = {"Pine & Oak Park", "<Angle> | \"Park\"",
                               "Pe\xF1"
                               "asco",
                               "M\xFCller's",
                               "\x80uro \x93"
                               "Field\x94 \x8A\x9F"};
    int name = 0;
    for (auto& park : content.parks)
        if (park.record.isInUse() && park.record.seasonYear > 0 &&
            name < static_cast<int>(std::size(parkNames)))
            park.record.parkName = parkNames[name++];
    content.teams[0].record.nameFirst = "R&D <Bees>";
    return content;
}

// Park names that hold every byte from 0x01 to 0xFF between them, 25 to a name.
seasonkit::SeasonContent allBytesSeason() {
    seasonkit::SeasonContent content = seasonkit::sampleSeason();
    int next = 1;
    for (auto& park : content.parks) {
        if (!park.record.isInUse() || park.record.seasonYear <= 0 || next > 0xFF)
            continue;
        std::string name = "P";
        for (int i = 0; i < 25 && next <= 0xFF; ++i)
            name += static_cast<char>(next++);
        park.record.parkName = name + "Q";
    }
    return content;
}

// Names a web page must escape and still show exactly: markup, character references, quotes,
// Windows-1252 letters, and numbers that sort in natural order.
seasonkit::SeasonContent hostileSeason(seasonkit::SeasonContent content = seasonkit::sampleSeason()) {
    const char* parkNames[] = {"<script>alert(1)</script>",
                               "Tom & Jerry's <Park>",
                               "\"Quoted\" Field",
                               "Caf\xE9 \x80uro \x9Cuvre Park",
                               "</td></tr><!-- Park",
                               "Park 10",
                               "Park 9",
                               "park 2",
                               "A&amp;B Grounds"};
    int name = 0;
    for (auto& park : content.parks)
        if (park.record.isInUse() && park.record.seasonYear > 0 &&
            name < static_cast<int>(std::size(parkNames)))
            park.record.parkName = parkNames[name++];
    content.teams[0].record.nameFirst = "<b>Bold</b>";
    content.teams[1].record.nameSecond = "&lt; \xC6ther";
    return content;
}

std::string hex(std::string_view bytes) {
    static const char* digits = "0123456789abcdef";
    std::string text;
    for (unsigned char byte : bytes) {
        text.push_back(digits[byte >> 4]);
        text.push_back(digits[byte & 15]);
    }
    return text;
}

void printJsonArray(const std::vector<std::string_view>& items) {
    std::cout << '[';
    for (std::size_t i = 0; i < items.size(); ++i)
        std::cout << (i ? "," : "") << '"' << hex(items[i]) << '"';
    std::cout << "]\n";
}

model::Season readSeason(const std::filesystem::path& folder) {
    auto loaded = model::loadSeason(folder, folder.string());
    if (const auto* failure = std::get_if<model::LoadFailure>(&loaded))
        throw std::runtime_error(failure->message);
    return std::get<model::Season>(std::move(loaded));
}

int run(const std::string& command, const std::filesystem::path& folder, const std::string& kind) {
    if (command == "write") {
        if (kind == "sample")
            seasonkit::writeSeason(folder, seasonkit::sampleSeason());
        else if (kind == "awkward")
            seasonkit::writeSeason(folder, awkwardSeason());
        else if (kind == "xmlnames")
            seasonkit::writeSeason(folder, xmlNamesSeason());
        else if (kind == "allbytes")
            seasonkit::writeSeason(folder, allBytesSeason());
        else if (kind == "hostile")
            seasonkit::writeSeason(folder, hostileSeason());
        else if (kind == "changed")
            seasonkit::writeSeason(folder, seasonkit::changedSampleSeason());
        else if (kind.starts_with("hostile:"))
            seasonkit::writeSeason(folder,
                                   hostileSeason(seasonkit::syntheticSeason(std::stoi(kind.substr(8)))));
        else if (kind.starts_with("synthetic:"))
            seasonkit::writeSeason(folder, seasonkit::syntheticSeason(std::stoi(kind.substr(10))));
        else
            throw std::runtime_error("unknown season kind " + kind);
        return 0;
    }
    const model::Season season = readSeason(folder);
    const parktable::ParkTable table(season);
    if (command == "table") {
        for (int row = 0; row < table.rowCount(); ++row) {
            std::vector<std::string_view> cells;
            for (int column = 0; column <= parktable::col::lastCaptioned; ++column)
                cells.push_back(table.cell(row, column));
            printJsonArray(cells);
        }
        return 0;
    }
    if (command == "layout") {
        const output::PrintedReport report = output::layoutPrintedReport(table, season.caption());
        for (const auto& section : report.sections)
            printJsonArray({section.begin(), section.end()});
        return 0;
    }
    throw std::runtime_error("unknown command " + command);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: vendrix-e2e-season write|table|layout FOLDER [KIND]\n";
        return 2;
    }
    try {
        return run(argv[1], argv[2], argc > 3 ? argv[3] : "");
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
}
