#include "seasonmaker.h"

#include "model/seasonloader.h"

#include <memory>
#include <stdexcept>

namespace vendrix::test {

season::ParkRecord parkRecord(const std::string& name, int parkId, int year) {
    season::ParkRecord record;
    record.parkId = static_cast<std::int16_t>(parkId);
    record.seasonYear = static_cast<std::int16_t>(year);
    record.parkName = name + std::string(name.size() < 30 ? 30 - name.size() : 0, '\0');
    record.parkType = 1;
    record.fenceDistance = {330, 370, 385, 400, 385, 370, 330};
    record.fenceHeight = {10, 10, 10, 10, 10, 10, 10};
    record.factorsLHB = {100, 100, 100, 100};
    record.factorsRHB = {100, 100, 100, 100};
    return record;
}

model::Season seasonOf(const std::vector<season::ParkRecord>& parks,
                       const std::vector<std::pair<int, std::string>>& teams, const std::string& league,
                       int year) {
    auto byPark = std::make_shared<season::TeamByPark>();
    for (const auto& [parkId, name] : teams)
        byPark->set(parkId, name);
    model::Season made({}, league, std::to_string(year), year, std::move(byPark));
    for (const season::ParkRecord& park : parks)
        made.addPark(park);
    return made;
}

std::vector<std::string> cellsOf(const parktable::ParkTable& table) {
    std::vector<std::string> cells;
    for (int row = 0; row < table.rowCount(); ++row)
        for (int column = 0; column < table.columnCount(); ++column)
            cells.emplace_back(table.cell(row, column));
    return cells;
}

model::Season seasonOfParkFile(const std::filesystem::path& parkFile) {
    model::SeasonBuild build = model::buildSeason({}, parkFile.parent_path(), parkFile);
    if (!build.built())
        throw std::runtime_error(build.message);
    return std::move(*build.season);
}

} // namespace vendrix::test
