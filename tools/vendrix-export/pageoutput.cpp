#include "pageoutput.h"

#include "parkdrawing/diagramcontent.h"
#include "parkjson/parkvalues.h"
#include "season/windows1252.h"
#include "parkpage/diagramcards.h"
#include "parkpage/parkpage.h"
#include "parkshape/seasonshapes.h"

namespace vendrix::exporter {

std::string seasonPageText(const SeasonTable& season) {
    return parkpage::parkPage(
        {season.table, {season.league, season.season}, nullptr, parkpage::seasonDiagrams(season.table)});
}

std::string comparedPageText(const SeasonTable& oldSeason, const SeasonTable& newSeason,
                             const seasondiff::SeasonComparison& comparison,
                             const seasondiff::ChangeNotes& changes) {
    const std::string oldName =
        season::windows1252::toUtf8(std::string(parkjson::trimBlanks(oldSeason.league)) + ' ' +
                                      std::string(parkjson::trimBlanks(oldSeason.season)));
    parkpage::PreviousOutlines outlines;
    for (const seasondiff::ParkChange& change : comparison.changed)
        outlines[change.place.row] = {parkdrawing::DiagramContent::nameOfRow(oldSeason.table, change.oldRow) +
                                          " in " + oldName,
                                      parkshape::measuresOfRow(oldSeason.table, change.oldRow)};
    return parkpage::parkPage({newSeason.table,
                               {newSeason.league, newSeason.season},
                               &changes,
                               parkpage::seasonDiagrams(newSeason.table, std::move(outlines))});
}

} // namespace vendrix::exporter
