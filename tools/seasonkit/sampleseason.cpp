#include "sampleseason.h"

#include <array>
#include <string>

namespace vendrix::seasonkit {

namespace {

constexpr std::int16_t kSampleYear = 2031;

struct TeamName {
    const char* first;
    const char* second;
};

// Invented clubs. The last-but-one has two full 16-byte parts (a 33-character name); the last has
// an empty first part.
constexpr std::array<TeamName, 30> kTeams{{
    {"Harbor City", "Gulls"},
    {"Cedar Falls", "Lumberjacks"},
    {"Port Alder", "Herons"},
    {"Millbrook", "Millers"},
    {"Redstone", "Miners"},
    {"Glen Haven", "Foxes"},
    {"Iron Ridge", "Bison"},
    {"Bayport", "Anglers"},
    {"Silver Lake", "Otters"},
    {"Kingsford", "Stags"},
    {"Ashton", "Comets"},
    {"Marlow Bay", "Pilots"},
    {"Fairmount", "Owls"},
    {"Oak Hollow", "Badgers"},
    {"Stonebridge", "Porters"},
    {"Westvale", "Ramblers"},
    {"Northgate", "Sentinels"},
    {"Eastbury", "Sparrows"},
    {"Copper Basin", "Drovers"},
    {"Lantern Point", "Tritons"},
    {"Grayhaven", "Lynx"},
    {"Summit Springs", "Thunder"},
    {"Quarry Town", "Hornets"},
    {"Riverbend", "Kestrels"},
    {"Duneside", "Coyotes"},
    {"Maple Crossing", "Vipers"},
    {"Highmoor", "Wolverines"},
    {"Saltmarsh", "Ravens"},
    {"Brightwater Bays", "Twilight Kestrel"},
    {"", "Voyagers"},
}};

// Park names; index i is the home of team i. A leading blank pair, a non-ASCII byte (0xF1, n with
// tilde in Windows-1252) and a name of exactly 30 characters are among them.
constexpr std::array<const char*, 32> kParks{{
    "Gullwing Field",
    "Timberline Park",
    "  Alder Grounds",
    "Millrace Stadium",
    "Ore Cart Yard",
    "Vixen Hollow Park",
    "Prairie Iron Field",
    "Dockside Diamond",
    "Otterbank Park",
    "Royal Antler Grounds",
    "Starfall Stadium",
    "Propeller Park",
    "Hoot Owl Field",
    "Burrow Bank Park",
    "Keystone Bridge Field",
    "Vale Commons",
    "Northgate Memorial Park",
    "Songbird Meadows",
    "Estadio Pe\xF1"
    "asco",
    "Lighthouse Lawn",
    "Greycliff Park",
    "Summit Springs Ballpark",
    "Quarry Pit Park",
    "Riverbend Green",
    "Dune Sea Stadium",
    "Maple Crossing Grounds",
    "Moorland Field",
    "Saltmarsh Yard",
    "Brightwater Municipal Stadium",
    "Voyager Harbor Dome",
    "Desert Winter Complex", // no team plays here
    "Old Millbrook Park",    // no team either: an older park of the league
}};

season::ParkRecord samplePark(int index) {
    season::ParkRecord park;
    park.parkId = static_cast<std::int16_t>(101 + index);
    park.seasonYear = kSampleYear;
    park.parkName = kParks[static_cast<std::size_t>(index)];
    park.parkType = static_cast<std::uint8_t>(index % 7 == 0 ? 0 : (index % 5 == 0 ? 2 : 1));
    park.surface = static_cast<std::uint8_t>(index % 4 == 0 ? 1 : 0);
    park.foulGround = static_cast<std::uint8_t>(index % 3);
    park.timeZone = static_cast<std::uint8_t>(1 + index % 4);
    park.windSpeed = static_cast<std::uint8_t>(index % 6);
    park.avgTemp = static_cast<std::uint8_t>((index * 5) % 6);
    park.tempChange = static_cast<std::uint8_t>((index * 3) % 4);
    park.rainFreq = static_cast<std::uint8_t>((index * 7) % 4);
    const std::array<int, 7> base{330, 365, 385, 404, 385, 365, 330};
    for (std::size_t p = 0; p < base.size(); ++p) {
        park.fenceDistance[p] =
            static_cast<std::int16_t>(base[p] + ((index * 7 + static_cast<int>(p) * 3) % 23) - 11);
        park.fenceHeight[p] = static_cast<std::uint8_t>(8 + (index * 5 + static_cast<int>(p) * 2) % 13);
    }
    for (std::size_t f = 0; f < 4; ++f) {
        park.factorsLHB[f] = static_cast<std::int16_t>(88 + (index * 11 + static_cast<int>(f) * 7) % 27);
        park.factorsRHB[f] = static_cast<std::int16_t>(90 + (index * 13 + static_cast<int>(f) * 5) % 25);
    }
    return park;
}

} // namespace

SeasonContent sampleSeason() {
    SeasonContent season;
    season::OrgRecord org;
    org.validMark = 1;
    org.orgName = "Northwind Baseball League";
    season.orgs.push_back({org, 0});

    for (int i = 0; i < static_cast<int>(kParks.size()); ++i) {
        season::ParkRecord park = samplePark(i);
        // Blank and NUL padding both occur in real files.
        season.parks.push_back({park, static_cast<std::uint8_t>(i % 2 == 0 ? 0 : ' ')});
        if (i == 3) { // a retired record and a record without a year: neither is shown
            season::ParkRecord retired = samplePark(31);
            retired.recordFlag = 1;
            retired.parkName = "Retired Record Park";
            season.parks.push_back({retired, 0});
            season::ParkRecord undated = samplePark(30);
            undated.seasonYear = 0;
            undated.parkName = "Undated Record Park";
            season.parks.push_back({undated, 0});
        }
    }
    // Codes without a word and a negative distance, where the vocabulary and the number format show.
    season.parks[6].record.timeZone = 0;
    season.parks[9].record.windSpeed = 9;
    season.parks[12].record.fenceDistance[0] = -1;
    season.parks[15].record.factorsRHB[2] = 100; // a three-digit factor among two-digit ones
    season.parks[17].record.fenceHeight[3] = 200;

    for (int i = 0; i < static_cast<int>(kTeams.size()); ++i) {
        season::TeamRecord team;
        team.teamId = static_cast<std::int16_t>(i + 1);
        team.seasonYear = kSampleYear;
        team.parkId = static_cast<std::int16_t>(101 + i);
        team.nameFirst = kTeams[static_cast<std::size_t>(i)].first;
        team.nameSecond = kTeams[static_cast<std::size_t>(i)].second;
        // Two teams are padded with blanks, which stay in their names as in real team files.
        const bool blankPadded = i == 1 || i == 23;
        season.teams.push_back({team, static_cast<std::uint8_t>(blankPadded ? ' ' : 0)});
    }
    return season;
}

SeasonContent syntheticSeason(int parkCount) {
    SeasonContent season;
    season::OrgRecord org;
    org.validMark = 1;
    org.orgName = "Synthetic Endurance League";
    season.orgs.push_back({org, 0});
    season.parks.reserve(static_cast<std::size_t>(parkCount));
    for (int i = 0; i < parkCount; ++i) {
        season::ParkRecord park = samplePark(i % static_cast<int>(kParks.size()));
        park.parkId = static_cast<std::int16_t>(i % 3001);
        park.parkName = "Synthetic Park " + std::to_string(i + 1);
        park.fenceDistance[3] = static_cast<std::int16_t>(380 + i % 40);
        park.factorsLHB[3] = static_cast<std::int16_t>(70 + i % 60);
        season.parks.push_back({park, static_cast<std::uint8_t>(i % 2 == 0 ? 0 : ' ')});
    }
    for (int id = 0; id <= 3000; id += 3) {
        season::TeamRecord team;
        team.teamId = static_cast<std::int16_t>(id);
        team.seasonYear = kSampleYear;
        team.parkId = static_cast<std::int16_t>(id);
        team.nameFirst = "Club " + std::to_string(id);
        team.nameSecond = "Synthetics";
        season.teams.push_back({team, 0});
    }
    return season;
}

} // namespace vendrix::seasonkit
