#include "tempfolder.h"

#include <random>
#include <string>
#include <system_error>

namespace vendrix::test {

TempFolder::TempFolder() {
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (;;) {
        path_ = std::filesystem::temp_directory_path() / ("vendrix-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(path_))
            return;
    }
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

} // namespace vendrix::test
