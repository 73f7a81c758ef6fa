#include "diagramcontent.h"

#include "model/parknames.h"
#include "season/windows1252.h"

namespace vendrix::parkdrawing {

DiagramContent DiagramContent::of(const model::Park& park, const parkshape::SeasonShapes& season) {
    DiagramContent content;
    content.name = model::shownName(park);
    std::string_view team = park.team();
    const std::size_t first = team.find_first_not_of(" \t\r\n");
    const std::size_t last = team.find_last_not_of(" \t\r\n");
    content.team = first == std::string_view::npos
                       ? std::string()
                       : season::windows1252::toUtf8(team.substr(first, last - first + 1));
    content.measures = parkshape::measuresOf(park);
    content.average = season.average;
    if (season.average)
        content.averageName = season.averageName();
    content.extentFeet = season.extentFeet;
    return content;
}

} // namespace vendrix::parkdrawing
