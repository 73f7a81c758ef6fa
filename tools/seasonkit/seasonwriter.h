#pragma once

#include "season/orgrecord.h"
#include "season/parkrecord.h"
#include "season/teamrecord.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace vendrix::seasonkit {

// The records of a season folder, as a test, a benchmark or the sample tool wants them written.
// Text fields shorter than their width are padded with the record's pad byte (NUL or blank).
struct SeasonContent {
    struct Park {
        season::ParkRecord record;
        std::uint8_t pad = 0;
    };
    struct Team {
        season::TeamRecord record;
        std::uint8_t pad = 0;
    };
    struct Org {
        season::OrgRecord record;
        std::uint8_t pad = 0;
    };
    std::vector<Park> parks;
    std::vector<Team> teams;
    std::vector<Org> orgs;
};

std::vector<std::uint8_t> encodeParks(const std::vector<SeasonContent::Park>& parks);
std::vector<std::uint8_t> encodeTeams(const std::vector<SeasonContent::Team>& teams);
std::vector<std::uint8_t> encodeOrgs(const std::vector<SeasonContent::Org>& orgs);

void writeBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);
// Writes dmbpark.dat, dmbteam.dat and dmborg.dat into the folder, creating it when needed.
void writeSeason(const std::filesystem::path& folder, const SeasonContent& content);

} // namespace vendrix::seasonkit
