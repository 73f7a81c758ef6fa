#include "seasonfiles.h"

#include <algorithm>
#include <system_error>

namespace vendrix::season {

std::string toLowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

bool isSeasonFileName(std::string_view name) {
    const std::string lower = toLowerAscii(name);
    return lower == seasonfiles::kOrgFile || lower == seasonfiles::kParkFile ||
           lower == seasonfiles::kTeamFile;
}

std::vector<std::string> listSeasonFileNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code statusError;
        if (it->is_directory(statusError))
            continue;
        std::string name = it->path().filename().string();
        if (isSeasonFileName(name))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace vendrix::season
