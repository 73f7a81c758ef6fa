#include "diagramcontent.h"

#include "season/windows1252.h"

namespace vendrix::parkdrawing {

namespace {

std::string trimmedUtf8(std::string_view cell) {
    const std::size_t first = cell.find_first_not_of(" \t\r\n\0", 0, 5);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = cell.find_last_not_of(" \t\r\n\0", std::string_view::npos, 5);
    return season::windows1252::toUtf8(cell.substr(first, last - first + 1));
}

} // namespace

std::string DiagramContent::nameOfRow(const parktable::ParkTable& table, int row) {
    std::string name = trimmedUtf8(table.cell(row, parktable::col::parkName));
    return name.empty() ? "(no name)" : name;
}

DiagramContent DiagramContent::ofRow(const parktable::ParkTable& table, int row,
                                     const parkshape::SeasonShapes& season) {
    DiagramContent content;
    content.name = nameOfRow(table, row);
    content.team = trimmedUtf8(table.cell(row, parktable::col::teamName));
    content.measures = parkshape::measuresOfRow(table, row);
    content.average = season.average;
    content.extentFeet = season.extentFeet;
    return content;
}

} // namespace vendrix::parkdrawing
