#include "seasonwriter.h"

#include <cerrno>
#include <fstream>
#include <stdexcept>
#include <system_error>

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
    errno = 0;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        const int error = errno;
        throw std::runtime_error(
            "cannot write " + file.string() +
            (error != 0 ? ": " + std::generic_category().message(error) : std::string()));
    }
}

void writeSeason(const std::filesystem::path& folder, const SeasonContent& content) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        throw std::runtime_error("cannot make the folder " + folder.string() + ": " + ec.message());
    writeBytes(folder / "dmbpark.dat", encodeParks(content.parks));
    writeBytes(folder / "dmbteam.dat", encodeTeams(content.teams));
    writeBytes(folder / "dmborg.dat", encodeOrgs(content.orgs));
}

} // namespace vendrix::seasonkit
