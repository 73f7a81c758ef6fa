#pragma once

#include "park.h"
#include "season/seasonwarning.h"
#include "season/teambypark.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vendrix::model {

// A season as every view and output reads it: where it came from, the league and season as the
// organization and team files name them (Windows-1252 bytes), what is wrong with it, and its parks
// in park-file order. Copies share the team names the parks' texts point into.
class Season {
public:
    Season() = default;
    Season(std::filesystem::path folder, std::string league, std::string seasonText, int year,
           std::shared_ptr<const season::TeamByPark> teams);

    const std::filesystem::path& folder() const { return folder_; }
    std::string_view league() const { return league_; }
    // The season's year as the team file gives it, as text ("2031"; "0" when no team record was taken).
    std::string_view seasonText() const { return seasonText_; }
    int year() const { return year_; }
    // "Park Factors for LEAGUE in SEASON": the window's caption and the reports' title.
    std::string caption() const;

    const std::vector<Park>& parks() const { return parks_; }
    int parkCount() const { return static_cast<int>(parks_.size()); }
    // The park of a row, from 1.
    const Park& parkAtRow(int row) const { return parks_[static_cast<std::size_t>(row - 1)]; }

    // What the season's files could not give: a park file cut inside a record, files without a
    // record in use. The scan's first, then the park file's.
    const std::vector<season::SeasonWarning>& warnings() const { return warnings_; }
    void addWarning(season::SeasonWarning warning) { warnings_.push_back(std::move(warning)); }

    // Adds the park of a record that is in use, with the team that plays in it, as the next row.
    void addPark(const season::ParkRecord& record);
    void reserve(std::size_t parks) { parks_.reserve(parks); }

private:
    std::filesystem::path folder_;
    std::string league_;
    std::string seasonText_ = "0";
    int year_ = 0;
    std::shared_ptr<const season::TeamByPark> teams_ = std::make_shared<const season::TeamByPark>();
    std::vector<Park> parks_;
    std::vector<season::SeasonWarning> warnings_;
};

} // namespace vendrix::model
