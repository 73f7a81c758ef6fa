#include "diagramcards.h"

#include "model/parknames.h"
#include "parkdrawing/diagramtext.h"
#include "parkdrawing/parkdrawing.h"
#include "parkdrawing/svgwriter.h"
#include "parkshape/seasonshapes.h"
#include "seasondiff/comparisontext.h"

#include <memory>

namespace vendrix::parkpage {

namespace {

// The drawing's SVG fragment made fit for the page: an inline SVG in HTML needs no namespace (and
// the page names no address at all), and the page's policy allows no style attribute (the page's
// style sets the same white-space for every diagram).
std::string forThePage(std::string svg) {
    const std::size_t rootEnd = svg.find('>');
    for (const std::string_view attribute : {std::string_view(" xmlns=\"http://www.w3.org/2000/svg\""),
                                             std::string_view(" style=\"white-space:pre\"")})
        if (const std::size_t at = svg.find(attribute); at != std::string::npos && at < rootEnd)
            svg.erase(at, attribute.size());
    return svg;
}

} // namespace

PreviousOutlines previousOutlines(const seasondiff::SeasonComparison& comparison,
                                  const model::Season& older) {
    const std::string olderName = seasondiff::seasonTitle(older.league(), older.seasonText());
    PreviousOutlines outlines;
    for (const seasondiff::ParkChange& change : comparison.changed) {
        const model::Park& park = older.parkAtRow(change.oldRow);
        outlines[change.place.row] = {model::shownName(park) + " in " + olderName,
                                      parkshape::measuresOf(park)};
    }
    return outlines;
}

DiagramSource seasonDiagrams(const model::Season& season, PreviousOutlines previous) {
    // Shared by the copies of the source: the season's scale and average are worked out once.
    const auto shapes = std::make_shared<const parkshape::SeasonShapes>(parkshape::SeasonShapes::of(season));
    const auto outlines = std::make_shared<const PreviousOutlines>(std::move(previous));
    return [&season, shapes, outlines](int row) {
        parkdrawing::DiagramContent content = parkdrawing::DiagramContent::of(season.parkAtRow(row), *shapes);
        if (const auto old = outlines->find(row); old != outlines->end())
            content.compared = old->second;
        const std::string description = parkdrawing::describeDiagram(content);
        return forThePage(parkdrawing::SvgWriter::write(
            parkdrawing::ParkDrawing::draw(content, {}),
            {.title = content.name, .description = description, .fragment = true}));
    };
}

} // namespace vendrix::parkpage
