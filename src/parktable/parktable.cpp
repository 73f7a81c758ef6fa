#include "parktable.h"

#include <cstring>
#include <stdexcept>

namespace vendrix::parktable {

ParkTable ParkTable::withCaptions() {
    ParkTable table;
    Row groups{};
    Row captions{};
    for (int c = 0; c < kParkColumnCount; ++c) {
        groups[c] = kParkColumns[c].groupCaption;
        captions[c] = kParkColumns[c].caption;
    }
    table.appendRow(groups);
    table.appendRow(captions);
    return table;
}

void ParkTable::appendRow(const Row& cells) {
    std::size_t rowLength = 0;
    for (const auto& c : cells)
        rowLength += c.size();
    if (text_.size() + rowLength > UINT32_MAX)
        throw std::length_error("park table text exceeds 4 GiB");
    auto offset = static_cast<std::uint32_t>(text_.size());
    rowStarts_.push_back(offset);
    const std::size_t firstCell = cellEnds_.size();
    cellEnds_.resize(firstCell + kParkColumnCount);
    text_.resize(text_.size() + rowLength);
    char* out = text_.data() + offset;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (!cells[c].empty()) // an empty view may hold no pointer, which memcpy must not get
            std::memcpy(out, cells[c].data(), cells[c].size());
        out += cells[c].size();
        offset += static_cast<std::uint32_t>(cells[c].size());
        cellEnds_[firstCell + c] = offset;
    }
}

void ParkTable::reserve(std::size_t rows, std::size_t textBytes) {
    rowStarts_.reserve(rows);
    cellEnds_.reserve(rows * kParkColumnCount);
    text_.reserve(textBytes);
}

bool ParkTable::operator==(const ParkTable& other) const {
    return text_ == other.text_ && cellEnds_ == other.cellEnds_ && rowStarts_ == other.rowStarts_;
}

} // namespace vendrix::parktable
