#pragma once

#include <string>
#include <vector>

namespace vendrix::season {

// Team names by park id 0 to 3000, as the season folder scan fills them.
class TeamByPark {
public:
    static constexpr int kFirstParkId = 0;
    static constexpr int kLastParkId = 3000;

    TeamByPark() : names_(kLastParkId + 1) {}

    static bool isValidParkId(int parkId) { return parkId >= kFirstParkId && parkId <= kLastParkId; }

    // An id outside 0 to 3000 has no place in the table: the name is dropped and false returned.
    bool set(int parkId, std::string name);
    // The team playing in the park, or an empty text when no team does or the id is out of range.
    const std::string& nameFor(int parkId) const;

    int size() const { return static_cast<int>(names_.size()); }
    bool operator==(const TeamByPark&) const = default;

private:
    std::vector<std::string> names_;
};

} // namespace vendrix::season
