#include "seasonwriter.h"

#include <fstream>
#include <stdexcept>

namespace vendrix::seasonkit {

namespace {

template <typename Entries> std::vector<std::uint8_t> encodeAll(const Entries& entries) {
    std::vector<std::uint8_t> bytes;
    for (const auto& entry : entries) {
        const auto record = entry.record.encode(entry.pad);
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return bytes;
}

} // namespace

std::vector<std::uint8_t> encodeParks(const std::vector<SeasonContent::Park>& parks) {
    return encodeAll(parks);
}
std::vector<std::uint8_t> encodeTeams(const std::vector<SeasonContent::Team>& teams) {
    return encodeAll(teams);
}
std::vector<std::uint8_t> encodeOrgs(const std::vector<SeasonContent::Org>& orgs) {
    return encodeAll(orgs);
}

void writeBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

void writeSeason(const std::filesystem::path& folder, const SeasonContent& content) {
    std::filesystem::create_directories(folder);
    writeBytes(folder / "dmbpark.dat", encodeParks(content.parks));
    writeBytes(folder / "dmbteam.dat", encodeTeams(content.teams));
    writeBytes(folder / "dmborg.dat", encodeOrgs(content.orgs));
}

} // namespace vendrix::seasonkit
