#include "columnwidths.h"

#include "gridclipboard.h"
#include "gui/bridge/displaytext.h"
#include "leagueaveragemodel.h"
#include "model/parkvocabulary.h"
#include "parkgrid.h"
#include "parkrowproxy.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace vendrix::gui {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kDefaultColumnTwips = 960;
// How near a caption's edge the mouse must be to widen the column instead of sorting by it.
constexpr int kEdgeGrip = 3;

} // namespace

int ColumnWidths::designWidth(int column) const {
    int twips = kDefaultColumnTwips;
    if (grid_.table() && model::column(column).widthTwips > 0)
        twips = model::column(column).widthTwips;
    return static_cast<int>(std::lround(twips * static_cast<double>(grid_.logicalDpiX()) / kTwipsPerInch));
}

int ColumnWidths::fittingWidth(int column) const {
    const ParkTableModel& model = grid_.parkModel();
    const QFontMetrics metrics(grid_.font());
    int widest = 0;
    const auto measure = [&](const QString& text) {
        widest = std::max(widest, metrics.horizontalAdvance(GridClipboard::fieldOf(text)));
    };
    for (int row = 0; row < model.rowCount(); ++row)
        if (row != parktable::kGroupCaptionRow || column < model.fixedColumnCount())
            measure(grid_.shownRows().index(row, column).data().toString());
    measure(grid_.leagueAverage().index(0, column).data().toString());
    return widest + textMargin();
}

int ColumnWidths::textMargin() const {
    return 2 * (grid_.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid_) + 1) + 2;
}

int ColumnWidths::longestWordWidth(int column) const {
    const QFontMetrics metrics(grid_.font());
    const auto attribute = static_cast<model::ParkAttribute>(column - model::col::firstAttribute);
    // The words a code can have, from the vocabulary rather than the parks: the same for every season,
    // and as quick for 32,767 parks as for 30.
    int widest = metrics.horizontalAdvance(fromUtf8(model::column(column).caption));
    for (int code = 0; code <= 255; ++code) {
        const std::string_view word = model::wordFor(attribute, static_cast<std::uint8_t>(code));
        widest = std::max(widest, metrics.horizontalAdvance(
                                      QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size()))));
    }
    return widest + textMargin();
}

bool ColumnWidths::openWordColumns() {
    QHash<int, int> opened;
    const int columns = grid_.table() ? grid_.parkModel().columnCount() : 0;
    int spare = grid_.contentsRect().width() - grid_.verticalScrollBar()->sizeHint().width();
    // The columns the table carries empty, and those hidden, hold nothing that room would be taken from.
    for (int c = 0; c < columns; ++c)
        if (!grid_.isColumnHidden(c) &&
            (c >= model::kColumnCount || model::column(c).kind != model::ColumnKind::Blank))
            spare -= kept_.value(c, designWidth(c));
    for (int c = 0; c < std::min(columns, model::kColumnCount); ++c) {
        if (model::column(c).kind != model::ColumnKind::Word || kept_.contains(c))
            continue;
        const int wanted = longestWordWidth(c) - designWidth(c);
        if (wanted > 0 && wanted <= spare) {
            opened.insert(c, designWidth(c) + wanted);
            spare -= wanted;
        }
    }
    if (opened == opened_)
        return false;
    opened_ = opened;
    return true;
}

int ColumnWidths::edgeAt(const QTableView& pane, int x) const {
    const int column = pane.columnAt(x);
    if (column < 0)
        return -1;
    const int left = pane.columnViewportPosition(column);
    if (x >= left + pane.columnWidth(column) - kEdgeGrip)
        return column;
    if (x <= left + kEdgeGrip) {
        for (int c = column - 1; c >= 0; --c)
            if (!pane.isColumnHidden(c))
                return c;
    }
    return -1;
}

bool ColumnWidths::captionMouseEvent(QTableView& pane, QMouseEvent& event) {
    const int edge = edgeAt(pane, event.position().toPoint().x());
    switch (event.type()) {
    case QEvent::MouseMove:
        if (dragColumn_ >= 0) {
            grid_.setColumnWidthEverywhere(
                dragColumn_, dragStartWidth_ + event.globalPosition().toPoint().x() - dragStartX_);
            return true;
        }
        if (edge >= 0)
            pane.viewport()->setCursor(Qt::SplitHCursor);
        else
            pane.viewport()->unsetCursor();
        return false;
    case QEvent::MouseButtonPress:
        if (event.button() != Qt::LeftButton || edge < 0)
            return false;
        dragColumn_ = edge;
        dragStartX_ = event.globalPosition().toPoint().x();
        dragStartWidth_ = pane.columnWidth(edge);
        return true;
    case QEvent::MouseButtonRelease:
        dragColumn_ = -1;
        return false;
    case QEvent::MouseButtonDblClick:
        if (edge < 0)
            return false;
        grid_.fitColumn(edge);
        return true;
    default:
        return false;
    }
}

} // namespace vendrix::gui
