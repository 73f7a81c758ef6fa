#include "diagramtext.h"

#include "model/columns.h"

namespace vendrix::parkdrawing {

namespace {

// "the left-field line", "center field": where a fence column measures, as its catalogue entry says.
std::string_view placeOf(const model::Column& column) {
    const std::string_view text = column.description;
    const std::size_t at = text.rfind(" at ");
    return at == std::string_view::npos ? text : text.substr(at + 4);
}

// Runs of blanks as one: a team's two names are padded fields.
std::string singleSpaced(std::string_view text) {
    std::string out;
    for (const char c : text)
        if (c != ' ' || (!out.empty() && out.back() != ' '))
            out += c;
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

std::string measures(const std::array<int, parkshape::kFencePointCount>& values, int firstColumn) {
    std::string out;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const model::Column& column = model::column(firstColumn + static_cast<int>(i));
        out += i == 0 ? "" : i + 1 == values.size() ? " and " : ", ";
        out += std::to_string(values[i]) + " ft at " + std::string(placeOf(column));
        if (!column.canBeReal(values[i]))
            out += " (which cannot be real)";
    }
    return out;
}

} // namespace

std::string describeDiagram(const DiagramContent& content, bool withAverage) {
    std::string text = content.name;
    if (const std::string team = singleSpaced(content.team); !team.empty())
        text += ", home of " + team;
    text += ", seen from above and drawn to scale. Fence distances: " +
            measures(content.measures.distance, model::col::firstFenceDistance) +
            ". Fence heights: " + measures(content.measures.height, model::col::firstFenceHeight) + ".";
    std::string behind;
    if (content.compared)
        behind = content.compared->name;
    if (withAverage && content.average)
        behind += (behind.empty() ? "" : " and ") + content.averageName;
    if (!behind.empty())
        text += " Drawn behind it: " + behind + ".";
    return text;
}

} // namespace vendrix::parkdrawing
