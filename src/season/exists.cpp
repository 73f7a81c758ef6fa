#include "exists.h"

#include <system_error>

namespace vendrix::season {

bool Exists(const std::filesystem::path& basefile) noexcept {
    std::error_code ec;
    const auto size = std::filesystem::file_size(basefile, ec);
    return !ec && size != 0;
}

} // namespace vendrix::season
