#include "park.h"

#include <algorithm>

namespace vendrix::model {

Park::Park(const season::ParkRecord& record, int row, std::string_view team)
    : team_(team), row_(row), id_(record.parkId), year_(record.seasonYear),
      fenceDistance_(record.fenceDistance),
      factors_(), codes_{record.parkType,  record.surface, record.foulGround, record.timeZone,
                         record.windSpeed, record.avgTemp, record.tempChange, record.rainFreq},
      name_(), nameLength_(0) {
    for (std::size_t i = 0; i < kFencePoints; ++i)
        fenceHeight_[i] = record.fenceHeight[i];
    for (std::size_t i = 0; i < kFactors; ++i) {
        factors_[i] = record.factorsLHB[i];
        factors_[kFactors + i] = record.factorsRHB[i];
    }
    // NULs and blanks at both ends go, NULs inside become blanks; the field is padded with blanks.
    const std::string_view raw = record.parkName;
    const auto isBlank = [](char c) {
        return c == ' ' || c == '\0';
    };
    std::size_t first = 0;
    std::size_t end = raw.size();
    while (first < end && isBlank(raw[first]))
        ++first;
    while (end > first && isBlank(raw[end - 1]))
        --end;
    name_.fill(' ');
    for (std::size_t i = first; i < end && i - first < kNameWidth; ++i)
        name_[i - first] = raw[i] == '\0' ? ' ' : raw[i];
    nameLength_ = static_cast<std::uint8_t>(std::min(end - first, kNameWidth));
}

std::optional<int> Park::number(int column) const {
    if (column == col::year)
        return year_;
    if (column >= col::firstFenceDistance && column < col::firstFenceHeight)
        return fenceDistance_[static_cast<std::size_t>(column - col::firstFenceDistance)];
    if (column >= col::firstFenceHeight && column < col::firstFactorLHB)
        return fenceHeight_[static_cast<std::size_t>(column - col::firstFenceHeight)];
    if (column >= col::firstFactorLHB && column < col::firstAttribute)
        return factors_[static_cast<std::size_t>(column - col::firstFactorLHB)];
    return std::nullopt;
}

std::string_view Park::text(int column) const {
    if (column == col::parkName)
        return name();
    if (column == col::teamName)
        return team_;
    if (column >= col::firstAttribute && column <= col::lastCaptioned)
        return word(static_cast<ParkAttribute>(column - col::firstAttribute));
    return {};
}

bool Park::canBeReal(int column) const {
    const std::optional<int> value = number(column);
    return !value || model::column(column).canBeReal(*value);
}

} // namespace vendrix::model
