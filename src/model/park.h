#pragma once

#include "columns.h"
#include "parkvocabulary.h"
#include "season/parkrecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vendrix::model {

// One park of a season, made once from its decoded record: numbers as numbers, texts as the season
// files' bytes (Windows-1252). A park's team text lives in its season's team names, which every copy
// of the Season shares: a Park is read while a Season that holds it lives.
class Park {
public:
    static constexpr int kFencePoints = 7; // LFL, LF, LCF, CF, RCF, RF, RFL
    static constexpr int kFactors = 4;     // 1B, 2B, 3B, HR
    static constexpr int kAttributes = 8;
    static constexpr std::size_t kNameWidth = season::ParkRecord::kNameWidth;

    // `row` is the park's place among the season's parks, from 1; `team` the name of the team that
    // plays in it.
    Park(const season::ParkRecord& record, int row, std::string_view team);

    int row() const { return row_; }
    int id() const { return id_; }
    int year() const { return year_; }
    // The park's name: NULs as blanks, without the blanks at both ends.
    std::string_view name() const { return {name_.data(), nameLength_}; }
    // The name in its field of 30 characters, padded with blanks on the right, as the table shows it.
    std::string_view nameField() const { return {name_.data(), name_.size()}; }
    // The team as the team file names it; empty when no team plays there.
    std::string_view team() const { return team_; }

    int fenceDistance(int point) const { return fenceDistance_[static_cast<std::size_t>(point)]; }
    int fenceHeight(int point) const { return fenceHeight_[static_cast<std::size_t>(point)]; }
    int factorLHB(int hit) const { return factors_[static_cast<std::size_t>(hit)]; }
    int factorRHB(int hit) const { return factors_[static_cast<std::size_t>(kFactors + hit)]; }
    std::uint8_t code(ParkAttribute attribute) const { return codes_[static_cast<std::size_t>(attribute)]; }
    std::string_view word(ParkAttribute attribute) const { return wordFor(attribute, code(attribute)); }

    // The value of a number column; nothing for a column of another kind.
    std::optional<int> number(int column) const;
    // The text of a text or word column: the name (trimmed), the team, the word; empty otherwise.
    std::string_view text(int column) const;
    // True when the value of a number column can be real (always for other columns).
    bool canBeReal(int column) const;

    // Distances, heights and factors of two parks alike, and their attribute codes.
    bool sameMeasures(const Park& other) const {
        return fenceDistance_ == other.fenceDistance_ && fenceHeight_ == other.fenceHeight_ &&
               factors_ == other.factors_ && codes_ == other.codes_;
    }

private:
    std::string_view team_;
    std::int32_t row_;
    std::int16_t id_;
    std::int16_t year_;
    std::array<std::int16_t, kFencePoints> fenceDistance_;
    std::array<std::int16_t, kFencePoints> fenceHeight_;
    std::array<std::int16_t, 2 * kFactors> factors_; // LHB, then RHB
    std::array<std::uint8_t, kAttributes> codes_;
    std::array<char, kNameWidth> name_;
    std::uint8_t nameLength_;
};

} // namespace vendrix::model
