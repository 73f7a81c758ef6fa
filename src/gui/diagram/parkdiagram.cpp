#include "parkdiagram.h"

namespace vendrix::gui {

QString parkNameOfRow(const parktable::ParkTable& table, int row) {
    return QString::fromStdString(ParkDiagram::nameOfRow(table, row));
}

} // namespace vendrix::gui
