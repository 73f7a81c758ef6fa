#include "parkdiagram.h"

#include "gui/bridge/displaytext.h"

namespace vendrix::gui {

QString ParkDiagram::nameOfRow(const parktable::ParkTable& table, int row) {
    const QString name = fromWindows1252(table.cell(row, parktable::col::parkName)).trimmed();
    return name.isEmpty() ? QStringLiteral("(no name)") : name;
}

ParkDiagram ParkDiagram::ofRow(const parktable::ParkTable& table, int row,
                               const parkshape::SeasonShapes& season) {
    ParkDiagram diagram;
    diagram.name = nameOfRow(table, row);
    diagram.team = fromWindows1252(table.cell(row, parktable::col::teamName)).trimmed();
    diagram.measures = parkshape::measuresOfRow(table, row);
    diagram.average = season.average;
    diagram.extentFeet = season.extentFeet;
    return diagram;
}

parkdrawing::DiagramContent ParkDiagram::content() const {
    parkdrawing::DiagramContent content;
    content.name = name.toStdString();
    content.team = team.toStdString();
    content.measures = measures;
    content.average = average;
    if (compared)
        content.compared = parkdrawing::OutlineOverlay{compared->name.toStdString(), compared->measures};
    content.extentFeet = extentFeet;
    return content;
}

} // namespace vendrix::gui
