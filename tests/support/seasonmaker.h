#pragma once

#include "model/season.h"
#include "parktable/parktable.h"
#include "season/parkrecord.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace vendrix::test {

// A park record in use, of a plain park: 330 to 400 ft, 10 ft walls, neutral factors, Grass.
season::ParkRecord parkRecord(const std::string& name, int parkId = 1, int year = 2031);

// A season made in memory as the loader makes it from the files: the parks in order, each with the
// team of its park id.
model::Season seasonOf(const std::vector<season::ParkRecord>& parks,
                       const std::vector<std::pair<int, std::string>>& teams = {},
                       const std::string& league = "League", int year = 2031);

// Every cell of a table, row by row: a copy to compare with a table shown later.
std::vector<std::string> cellsOf(const parktable::ParkTable& table);

// The season of a park file read as Get Park Info reads it, with no teams; throws when it gives none.
model::Season seasonOfParkFile(const std::filesystem::path& parkFile);

} // namespace vendrix::test
