#include "fixtureseason.h"

#include "model/seasonloader.h"
#include "season/seasonfiles.h"
#include "season/seasonscan.h"
#include "seasonkit/seasonwriter.h"
#include "support/tempfolder.h"

#include <stdexcept>

namespace vendrix::test {

namespace {

seasonkit::SeasonContent fixtureContent() {
    seasonkit::SeasonContent content;
    season::OrgRecord org;
    org.validMark = 1;
    org.orgName = "Fixture League";
    content.orgs.push_back({org, 0});

    season::TeamRecord team;
    team.teamId = 1;
    team.seasonYear = 2031;
    team.parkId = 1;
    team.nameFirst = "Harbor";
    team.nameSecond = "Gulls";
    content.teams.push_back({team, 0});

    season::ParkRecord first;
    first.parkId = 1;
    first.seasonYear = 2031;
    first.parkName = "The \"Big\" Yard, East";
    first.parkType = 1;
    first.surface = 0;
    first.foulGround = 1;
    first.timeZone = 1;
    first.windSpeed = 3;
    first.avgTemp = 3;
    first.tempChange = 1;
    first.rainFreq = 2;
    first.fenceDistance = {330, 365, 385, 404, 385, 365, 330};
    first.fenceHeight = {8, 10, 12, 14, 16, 18, 20};
    first.factorsLHB = {88, 95, 102, 109};
    first.factorsRHB = {90, 95, 100, 105};
    content.parks.push_back({first, 0});

    season::ParkRecord second;
    second.parkId = 9; // no team plays here
    second.seasonYear = 2031;
    second.parkName = "Pe\xF1"
                      "a Park";
    second.parkType = 0;
    second.surface = 1;
    second.foulGround = 2;
    second.timeZone = 0; // no word
    second.windSpeed = 5;
    second.avgTemp = 0;
    second.tempChange = 3;
    second.rainFreq = 3;
    second.fenceDistance = {-1, 5, 42, 400, 310, 99, 1000};
    second.fenceHeight = {0, 1, 255, 3, 4, 5, 6};
    second.factorsLHB = {100, -5, 0, 7};
    second.factorsRHB = {1, 22, 333, 4444};
    content.parks.push_back({second, ' '});
    return content;
}

} // namespace

FixtureSeason fixtureSeason() {
    TempFolder folder;
    seasonkit::writeSeason(folder.path(), fixtureContent());
    const auto scan = season::scanSeasonFolder(folder.path(), season::listSeasonFileNames(folder.path()));
    auto build = model::buildSeason(scan, folder.path(), scan.parkFile);
    if (!scan.isComplete() || !build.built())
        throw std::runtime_error("the fixture season did not build");
    return {std::move(*build.season), scan.caption()};
}

} // namespace vendrix::test
