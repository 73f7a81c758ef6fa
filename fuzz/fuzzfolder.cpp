#include "fuzzfolder.h"

#include <fstream>
#include <unistd.h>

namespace vendrix::fuzz {

FuzzFolder::FuzzFolder() {
    const std::filesystem::path shm = "/dev/shm";
    const auto base = std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
    path_ = base / ("vendrix-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path_);
}

void FuzzFolder::clear() const {
    for (const auto& entry : std::filesystem::directory_iterator(path_))
        std::filesystem::remove_all(entry.path());
}

void FuzzFolder::write(const std::string& name, std::string_view bytes) const {
    std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace vendrix::fuzz
