#include "season.h"

namespace vendrix::model {

Season::Season(std::filesystem::path folder, std::string league, std::string seasonText, int year,
               std::shared_ptr<const season::TeamByPark> teams)
    : folder_(std::move(folder)), league_(std::move(league)), seasonText_(std::move(seasonText)), year_(year),
      teams_(std::move(teams)) {}

std::string Season::caption() const {
    // Nothing goes between the pieces: the caption shows the league field as stored.
    return "Park Factors for " + league_ + " in " + seasonText_;
}

void Season::addPark(const season::ParkRecord& record) {
    parks_.emplace_back(record, parkCount() + 1, std::string_view(teams_->nameFor(record.parkId)));
}

} // namespace vendrix::model
