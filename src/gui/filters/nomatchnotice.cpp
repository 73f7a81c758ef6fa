#include "nomatchnotice.h"

#include "gui/grid/parkgrid.h"
#include "parkfilters.h"

#include <QEvent>
#include <QLineEdit>

namespace vendrix::gui {

NoMatchNotice::NoMatchNotice(ParkGrid& grid, const QLineEdit& findField, const ParkFilters& filters)
    : QLabel(grid.viewport()), grid_(grid), findField_(findField), filters_(filters) {
    setObjectName(QStringLiteral("noMatchNotice"));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setWordWrap(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    connect(&grid_, &ParkGrid::shownParksChanged, this, &NoMatchNotice::update);
}

void NoMatchNotice::update(int shown, int total) {
    if (shown > 0 || total == 0) {
        hide();
        return;
    }
    const QString find = findField_.text().trimmed();
    if (find.isEmpty())
        setText(QStringLiteral("No park passes the filters"));
    else if (filters_.isChoosing())
        setText(QStringLiteral("No park or team matches '%1' among the parks the filters keep").arg(find));
    else
        setText(QStringLiteral("No park or team matches '%1'").arg(find));
    setGeometry(0, fontMetrics().height(), grid_.viewport()->width(), 3 * fontMetrics().height());
    show();
    raise();
}

} // namespace vendrix::gui
