#include "columnmeanings.h"

#include "parktable/columntexts.h"

namespace vendrix::gui {

// The texts are plain ASCII, shared with the web page.
QString columnMeaning(int column) {
    return QString::fromStdString(parktable::columnMeaning(column));
}

QString columnShortName(int column) {
    return QString::fromStdString(parktable::columnShortName(column));
}

} // namespace vendrix::gui
