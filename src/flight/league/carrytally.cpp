#include "carrytally.h"

namespace vendrix::flight {

namespace {

std::string joined(const std::vector<int>& rows, const std::function<std::string(int)>& nameOf) {
    std::string text;
    for (const int row : rows)
        text += (text.empty() ? "" : ", ") + nameOf(row);
    return text;
}

} // namespace

void CarryTally::add(int row, const std::optional<ParkVerdict>& verdict) {
    if (!verdict)
        return;
    (verdict->verdict == Verdict::Out ? outRows_ : otherRows_).push_back(row);
}

std::string CarryTally::summary(const std::function<std::string(int row)>& nameOf) const {
    if (parkCount() == 0)
        return "No park counts";
    std::string text = "Out in " + std::to_string(outCount()) + " of " + std::to_string(parkCount()) +
                       (parkCount() == 1 ? " park" : " parks");
    if (!outRows_.empty() && outRows_.size() <= kNamedAtMost)
        return text + ": " + joined(outRows_, nameOf);
    if (!otherRows_.empty() && otherRows_.size() <= kNamedAtMost)
        return text + ", not in " + joined(otherRows_, nameOf);
    return text;
}

} // namespace vendrix::flight
