#include "filedialog.h"

namespace vendrix::gui {

FileFilter FileFilter::parse(const QString& filter) {
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return {filter, filter};
    return {filter.left(bar), filter.mid(bar + 1)};
}

QString FileFilter::nameFilter() const {
    // Qt reads the patterns from the last parentheses of the filter.
    const QString wanted = QLatin1Char('(') + pattern + QLatin1Char(')');
    if (description.trimmed().endsWith(wanted))
        return description;
    return description + QLatin1Char(' ') + wanted;
}

} // namespace vendrix::gui
