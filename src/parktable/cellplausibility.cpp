#include "cellplausibility.h"

#include "parkcolumnstats.h"

namespace vendrix::parktable {

bool CellPlausibility::isPlausible(int column, int value) {
    if (column >= col::firstFenceDistance && column < col::firstFenceHeight)
        return value >= kShortestFence && value <= kLongestFence;
    if (column >= col::firstFenceHeight && column < col::firstFactorLHB)
        return value <= kHighestWall;
    if (column >= col::firstFactorLHB && column < col::firstAttribute)
        return value > 0;
    return true;
}

CellPlausibility CellPlausibility::of(int column, int value) {
    CellPlausibility judgement;
    if (isPlausible(column, value))
        return judgement;
    const std::string number = std::to_string(value);
    if (column >= col::firstFenceDistance && column < col::firstFenceHeight) {
        if (value < kShortestFence || value > kLongestFence)
            judgement.reason_ = "A fence distance of " + number + " ft is outside " +
                                std::to_string(kShortestFence) + " to " + std::to_string(kLongestFence) +
                                " ft";
    } else if (column >= col::firstFenceHeight && column < col::firstFactorLHB) {
        if (value > kHighestWall)
            judgement.reason_ =
                "A wall of " + number + " ft is higher than " + std::to_string(kHighestWall) + " ft";
    } else if (column >= col::firstFactorLHB && column < col::firstAttribute) {
        if (value <= 0)
            judgement.reason_ = "A park factor of " + number + " is not above 0";
    }
    return judgement;
}

CellPlausibility CellPlausibility::of(const ParkTable& table, int row, int column) {
    if (!ParkColumnStats::isNumberColumn(column))
        return {};
    const std::optional<int> value = ParkColumnStats::number(table, row, column);
    return value ? of(column, *value) : CellPlausibility{};
}

} // namespace vendrix::parktable
