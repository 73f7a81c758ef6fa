#include "changedseason.h"

#include "sampleseason.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace vendrix::seasonkit {

namespace {

constexpr std::int16_t kChangedYear = 2032;
constexpr std::int16_t kFoxfireParkId = 140;

// The stored name field of a park: the name, without the padding the writer adds.
SeasonContent::Park& parkNamed(SeasonContent& season, const std::string& name) {
    const auto park = std::find_if(season.parks.begin(), season.parks.end(),
                                   [&](const SeasonContent::Park& p) { return p.record.parkName == name; });
    if (park == season.parks.end())
        throw std::logic_error("the sample season has no park " + name);
    return *park;
}

} // namespace

SeasonContent changedSampleSeason() {
    SeasonContent season = sampleSeason();
    for (auto& park : season.parks)
        if (park.record.seasonYear > 0)
            park.record.seasonYear = kChangedYear;
    for (auto& team : season.teams)
        team.record.seasonYear = kChangedYear;

    parkNamed(season, "Gullwing Field").record.fenceDistance[3] = 396;
    parkNamed(season, "Timberline Park").record.fenceHeight[1] = 24;
    parkNamed(season, "  Alder Grounds").record.factorsLHB[3] = 110;
    parkNamed(season, "Millrace Stadium").record.surface = 1;
    parkNamed(season, "Ore Cart Yard").record.parkName = "Ore Cart Ballpark";

    SeasonContent::Park spring = parkNamed(season, "Timberline Park");
    spring.record.parkId = 141;
    spring.record.fenceDistance = {310, 340, 360, 390, 360, 340, 310};

    SeasonContent::Park foxfire = parkNamed(season, "Vixen Hollow Park");
    const std::int16_t vixenHollowId = foxfire.record.parkId;
    foxfire.record.parkId = kFoxfireParkId;
    foxfire.record.parkName = "Foxfire Grounds";
    foxfire.record.fenceDistance = {335, 370, 390, 410, 390, 370, 335};
    foxfire.record.surface = 1;
    for (auto& team : season.teams)
        if (team.record.parkId == vixenHollowId)
            team.record.parkId = kFoxfireParkId;

    season.parks.push_back(foxfire);
    season.parks.push_back(spring);
    return season;
}

SeasonContent changedSyntheticSeason(int parkCount) {
    SeasonContent season = syntheticSeason(parkCount);
    for (std::size_t i = 0; i < season.parks.size(); ++i) {
        season::ParkRecord& park = season.parks[i].record;
        ++park.seasonYear;
        if (i % 7 == 0)
            park.fenceDistance[3] = static_cast<std::int16_t>(park.fenceDistance[3] + 5);
        if (i % 11 == 0)
            park.factorsLHB[3] = static_cast<std::int16_t>(park.factorsLHB[3] + 3);
        if (i % 13 == 0)
            park.surface = static_cast<std::uint8_t>(1 - park.surface % 2);
        if (i % 101 == 0)
            park.parkName = "Renamed Park " + std::to_string(i + 1);
    }
    for (auto& team : season.teams)
        ++team.record.seasonYear;
    return season;
}

} // namespace vendrix::seasonkit
