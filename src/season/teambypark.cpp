#include "teambypark.h"

namespace vendrix::season {

bool TeamByPark::set(int parkId, std::string name) {
    if (!isValidParkId(parkId))
        return false;
    names_[static_cast<std::size_t>(parkId)] = std::move(name);
    return true;
}

const std::string& TeamByPark::nameFor(int parkId) const {
    static const std::string kNoTeam;
    return isValidParkId(parkId) ? names_[static_cast<std::size_t>(parkId)] : kNoTeam;
}

} // namespace vendrix::season
