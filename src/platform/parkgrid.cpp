#include "parkgrid.h"

#include "gridcelldelegate.h"
#include "leagueaveragemodel.h"
#include "parkrowproxy.h"
#include "parksortcontroller.h"

#include <QAction>
#include <QClipboard>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSettings>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <vector>

namespace vendrix::platform {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kDefaultColumnTwips = 960;
// How near a caption's edge the mouse must be to widen the column instead of sorting by it.
constexpr int kEdgeGrip = 3;
constexpr int kNarrowestColumn = 8;
constexpr const char* kColourSetting = "grid/factorColours";

QFont designFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    return font;
}

QFont tableFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(7);
    font.setBold(false);
    return font;
}

QSettings userSettings() {
    // One settings file for the whole program, beside the window placement.
    return QSettings(QSettings::UserScope, QStringLiteral("vendrix"), QStringLiteral("vendrix"));
}

void configureSections(QTableView& view, int rowHeight) {
    for (QHeaderView* header : {view.horizontalHeader(), view.verticalHeader()}) {
        header->setMinimumSectionSize(1);
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
    }
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.verticalHeader()->setDefaultSectionSize(rowHeight);
    view.horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

// A cell's text for the clipboard: one line, one cell, without the padding that is not seen.
QString clipboardCell(QString text) {
    for (QChar& c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    while (!text.isEmpty() && text.back() == QLatin1Char(' '))
        text.chop(1);
    return text;
}

} // namespace

ParkGrid::ParkGrid(QWidget* parent)
    : QTableView(parent), model_(new ParkTableModel(this)), proxy_(new ParkRowProxy(*model_, this)),
      sorter_(new ParkSortController(*proxy_, this)), averages_(new LeagueAverageModel(*model_, this)),
      captionPane_(makePane(*proxy_)), columnPane_(makePane(*proxy_)), cornerPane_(makePane(*proxy_)),
      footPane_(makePane(*averages_)), footCornerPane_(makePane(*averages_)),
      colourAction_(new QAction(QStringLiteral("Colour the park factors"), this)) {
    setModel(proxy_);
    setItemDelegate(new GridCellDelegate(*this, false, this));
    for (QTableView* pane : {captionPane_, columnPane_, cornerPane_, footPane_, footCornerPane_})
        pane->setItemDelegate(new GridCellDelegate(*this, true, pane));
    // The fixed column is part of the one selection; a click there is handled as in the rest.
    columnPane_->setSelectionModel(selectionModel());
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    setWordWrap(false);
    setSelectionMode(ExtendedSelection);
    setSelectionBehavior(SelectItems);
    setEditTriggers(NoEditTriggers);
    setFocusPolicy(Qt::StrongFocus);

    for (QScrollBar* pane : {captionPane_->horizontalScrollBar(), footPane_->horizontalScrollBar()}) {
        connect(horizontalScrollBar(), &QScrollBar::valueChanged, pane, &QScrollBar::setValue);
        connect(pane, &QScrollBar::valueChanged, horizontalScrollBar(), &QScrollBar::setValue);
    }
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &ParkGrid::snapToWholeRow);
    // The bar's value as it stands: a snap to a whole row may have changed it meanwhile.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { columnPane_->verticalScrollBar()->setValue(verticalScrollBar()->value()); });

    // The wheel turned over a fixed part scrolls the table; clicks there are the grid's.
    for (QTableView* pane : {captionPane_, columnPane_, cornerPane_, footPane_, footCornerPane_}) {
        pane->viewport()->installEventFilter(this);
        pane->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(pane, &QWidget::customContextMenuRequested, this,
                [this, pane](const QPoint& at) { showPaneMenu(*pane, at); });
        pane->show();
    }
    captionPane_->viewport()->setMouseTracking(true);
    cornerPane_->viewport()->setMouseTracking(true);
    viewport()->installEventFilter(this);

    // Every feature puts its entry into the grid's context menu as an action of the grid.
    setContextMenuPolicy(Qt::ActionsContextMenu);
    colourAction_->setCheckable(true);
    colourAction_->setChecked(userSettings().value(QLatin1String(kColourSetting), true).toBool());
    model_->setFactorColours(colourAction_->isChecked());
    connect(colourAction_, &QAction::toggled, this, [this](bool on) {
        model_->setFactorColours(on);
        userSettings().setValue(QLatin1String(kColourSetting), on);
    });
    addAction(colourAction_);

    connect(proxy_, &ParkRowProxy::shownParksChanged, this, &ParkGrid::shownParksChanged);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &ParkGrid::noteCurrentTableRow);
    connect(proxy_, &QAbstractItemModel::layoutChanged, this, &ParkGrid::noteCurrentTableRow);
    connect(proxy_, &QAbstractItemModel::modelReset, this, &ParkGrid::noteCurrentTableRow);
    // Panes repaint the current cell's frame when it moves or the focus comes and goes.
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &ParkGrid::repaintPanes);

    setFont(designFont());
    applyLayout();
}

QTableView* ParkGrid::makePane(QAbstractItemModel& model) {
    auto* pane = new QTableView(this);
    pane->setFocusPolicy(Qt::NoFocus);
    pane->setSelectionMode(NoSelection);
    pane->setEditTriggers(NoEditTriggers);
    pane->setFrameShape(QFrame::NoFrame);
    pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pane->setHorizontalScrollMode(ScrollPerPixel);
    pane->setVerticalScrollMode(ScrollPerPixel);
    pane->setWordWrap(false);
    pane->horizontalHeader()->hide();
    pane->verticalHeader()->hide();
    pane->setModel(&model);
    // The fixed parts take the desktop's button colours, whatever the theme.
    pane->viewport()->setBackgroundRole(QPalette::Button);
    return pane;
}

void ParkGrid::setTable(parktable::ParkTable table) {
    model_->setTable(std::move(table));
    setFont(tableFont());
    applyLayout();
}

void ParkGrid::setCellNotes(CellNotes notes) {
    model_->setCellNotes(std::move(notes));
}

void ParkGrid::setFindText(const QString& text) {
    reorderKeepingSelection([&] { proxy_->setFindText(text); });
}

void ParkGrid::activateCaption(int column) {
    reorderKeepingSelection([&] { sorter_->captionActivated(column); });
}

void ParkGrid::reorderKeepingSelection(const std::function<void()>& reorder) {
    // The selection model would follow a large selection row by row through the change; it is
    // far cheaper to note the parks chosen, reorder, and choose them again in their new places.
    struct Chosen {
        int row;
        int left;
        int right;
    };
    std::vector<Chosen> chosen;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            chosen.push_back({proxy_->mapToSource(proxy_->index(row, 0)).row(), range.left(), range.right()});
    if (!chosen.empty())
        selectionModel()->clearSelection();
    reorder();
    if (chosen.empty())
        return;
    std::vector<Chosen> placed; // by the row shown
    placed.reserve(chosen.size());
    for (const Chosen& c : chosen) {
        const QModelIndex shown = proxy_->mapFromSource(model_->index(c.row, 0));
        if (shown.isValid())
            placed.push_back({shown.row(), c.left, c.right});
    }
    std::sort(placed.begin(), placed.end(), [](const Chosen& a, const Chosen& b) {
        return a.row != b.row ? a.row < b.row : a.left < b.left;
    });
    QItemSelection selection;
    for (std::size_t i = 0; i < placed.size();) {
        std::size_t end = i + 1;
        while (end < placed.size() && placed[end].row == placed[end - 1].row + 1 &&
               placed[end].left == placed[i].left && placed[end].right == placed[i].right)
            ++end;
        selection.select(proxy_->index(placed[i].row, placed[i].left),
                         proxy_->index(placed[end - 1].row, placed[i].right));
        i = end;
    }
    selectionModel()->select(selection, QItemSelectionModel::Select);
}

int ParkGrid::currentTableRow() const {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !table())
        return -1;
    const int row = proxy_->mapToSource(current).row();
    return model_->isParkRow(row) ? row : -1;
}

void ParkGrid::repaintPanes() {
    for (QTableView* pane : {captionPane_, columnPane_, cornerPane_})
        pane->viewport()->update();
}

void ParkGrid::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    repaintPanes();
}

void ParkGrid::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    repaintPanes();
}

void ParkGrid::noteCurrentTableRow() {
    const int row = currentTableRow();
    if (row == lastTableRow_)
        return;
    lastTableRow_ = row;
    emit currentTableRowChanged(row);
}

int ParkGrid::twipsToPixels(int twips) const {
    return static_cast<int>(std::lround(twips * static_cast<double>(logicalDpiX()) / kTwipsPerInch));
}

int ParkGrid::columnWidthPixels(int column) const {
    int twips = kDefaultColumnTwips;
    if (model_->table() && parktable::kParkColumns[static_cast<std::size_t>(column)].widthTwips > 0)
        twips = parktable::kParkColumns[static_cast<std::size_t>(column)].widthTwips;
    return twipsToPixels(twips);
}

int ParkGrid::fixedColumnsWidth() const {
    int width = 0;
    for (int c = 0; c < model_->fixedColumnCount(); ++c)
        width += columnPane_->columnWidth(c);
    return width;
}

void ParkGrid::applyLayout() {
    rowHeight_ = QFontMetrics(font()).height() + 4;
    const int rows = proxy_->rowCount();
    const int columns = model_->columnCount();
    const int fixedRows = model_->fixedRowCount();
    const int fixedColumns = model_->fixedColumnCount();

    for (QTableView* view : {static_cast<QTableView*>(this), captionPane_, columnPane_, cornerPane_,
                             footPane_, footCornerPane_}) {
        configureSections(*view, rowHeight_);
        view->clearSpans();
        for (int c = 0; c < columns; ++c)
            view->setColumnWidth(c, columnWidthPixels(c));
    }

    // Each view hides what another one shows; rows past the caption rows are cut off by the
    // panes' height rather than hidden, which would cost a call per park.
    for (int c = 0; c < columns; ++c) {
        const bool fixed = c < fixedColumns;
        setColumnHidden(c, fixed);
        captionPane_->setColumnHidden(c, fixed);
        footPane_->setColumnHidden(c, fixed);
        columnPane_->setColumnHidden(c, !fixed);
        cornerPane_->setColumnHidden(c, !fixed);
        footCornerPane_->setColumnHidden(c, !fixed);
    }
    for (int r = 0; r < std::min(rows, fixedRows + 1); ++r) {
        const bool fixed = r < fixedRows;
        setRowHidden(r, fixed);
        columnPane_->setRowHidden(r, fixed);
    }
    mergeGroupCaptions();

    // The headers are never seen: they only hold the room that the panes cover.
    footHeight_ = averages_->rowCount() > 0 ? rowHeight_ : 0;
    horizontalHeader()->setFixedHeight(fixedRows * rowHeight_);
    verticalHeader()->setFixedWidth(fixedColumnsWidth());
    updateGeometries();
}

void ParkGrid::mergeGroupCaptions() {
    const int columns = model_->columnCount();
    int start = model_->fixedColumnCount();
    while (start < columns) {
        int end = start + 1;
        while (end < columns && model_->cellText(0, end) == model_->cellText(0, start))
            ++end;
        if (end - start > 1)
            captionPane_->setSpan(0, start, 1, end - start);
        start = end;
    }
}

void ParkGrid::setColumnWidthEverywhere(int column, int width) {
    if (column < 0 || column >= model_->columnCount())
        return;
    width = std::max(kNarrowestColumn, width);
    for (QTableView* view :
         {static_cast<QTableView*>(this), captionPane_, columnPane_, cornerPane_, footPane_, footCornerPane_})
        view->setColumnWidth(column, width);
    if (column < model_->fixedColumnCount())
        verticalHeader()->setFixedWidth(fixedColumnsWidth());
    updateGeometries();
}

void ParkGrid::fitColumn(int column) {
    if (column < 0 || column >= model_->columnCount())
        return;
    const QFontMetrics metrics(font());
    int widest = 0;
    const auto measure = [&](const QString& text) {
        widest = std::max(widest, metrics.horizontalAdvance(clipboardCell(text)));
    };
    for (int row = 0; row < model_->rowCount(); ++row)
        if (row != parktable::kGroupCaptionRow || column < model_->fixedColumnCount())
            measure(proxy_->index(row, column).data().toString());
    measure(averages_->index(0, column).data().toString());
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 2;
    setColumnWidthEverywhere(column, widest + margin);
}

void ParkGrid::placeFoot() {
    const QRect top = horizontalHeader()->geometry();
    const QRect left = verticalHeader()->geometry();
    const QRect view = viewport()->geometry();
    const QRect foot(view.x(), view.bottom() + 1 - footHeight_, view.width(), footHeight_);
    footPane_->setGeometry(foot);
    footCornerPane_->setGeometry(QRect(left.x(), foot.y(), left.width(), footHeight_));
    footPane_->setVisible(footHeight_ > 0);
    footCornerPane_->setVisible(footHeight_ > 0);
    captionPane_->setGeometry(top);
    // The fixed column ends where the foot row begins, as the scrolling cells seem to.
    columnPane_->setGeometry(QRect(left.x(), left.y(), left.width(), left.height() - footHeight_));
    cornerPane_->setGeometry(QRect(left.x(), top.y(), left.width(), top.height()));
}

int ParkGrid::rowsInRoom() const {
    return std::max(1, (viewport()->height() - footHeight_) / std::max(1, rowHeight_));
}

void ParkGrid::updateGeometries() {
    QTableView::updateGeometries();
    // The scrolling part shows whole park rows only: the foot row takes what is left over below
    // the last whole row, and scrolling goes by whole rows. So every park row in view is seen
    // whole at any position, the last one above the foot row, beside its park name.
    const int height = viewport()->height();
    const int row = std::max(1, rowHeight_);
    const bool foot = averages_->rowCount() > 0;
    const int fitting = std::max(1, (height - (foot ? row : 0)) / row);
    footHeight_ = foot ? std::max(0, height - fitting * row) : 0;
    const int parkRows = std::max(0, proxy_->rowCount() - model_->fixedRowCount());
    QScrollBar& bar = *verticalScrollBar();
    bar.setRange(0, std::max(0, parkRows - fitting) * row);
    bar.setSingleStep(row);
    bar.setPageStep(fitting * row);
    placeFoot();
    for (QTableView* pane : {captionPane_, columnPane_, cornerPane_, footPane_, footCornerPane_})
        pane->raise();
    captionPane_->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    footPane_->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    columnPane_->verticalScrollBar()->setValue(bar.value());
}

void ParkGrid::snapToWholeRow(int value) {
    const int row = std::max(1, rowHeight_);
    const int snapped = (value + row / 2) / row * row;
    if (snapped != value)
        verticalScrollBar()->setValue(std::min(snapped, verticalScrollBar()->maximum()));
}

void ParkGrid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid() || index.model() != proxy_)
        return;
    const int fixedRows = model_->fixedRowCount();
    const int fixedColumns = model_->fixedColumnCount();
    // Horizontally: a fixed-column cell is always in view; the others must clear it.
    if (index.column() >= fixedColumns) {
        const int x = columnViewportPosition(index.column());
        const int w = columnWidth(index.column());
        QScrollBar& bar = *horizontalScrollBar();
        if (x < 0)
            bar.setValue(bar.value() + x);
        else if (x + w > viewport()->width())
            bar.setValue(bar.value() + std::min(x, x + w - viewport()->width()));
    }
    // Vertically: a caption cell is always in view; a park row must clear the foot row.
    if (index.row() >= fixedRows) {
        const int y = rowViewportPosition(index.row());
        const int h = rowHeight(index.row());
        const int room = viewport()->height() - footHeight_;
        QScrollBar& bar = *verticalScrollBar();
        if (hint == PositionAtCenter)
            bar.setValue(bar.value() + y - (room - h) / 2);
        else if (y < 0 || hint == PositionAtTop)
            bar.setValue(bar.value() + y);
        else if (y + h > room || hint == PositionAtBottom)
            bar.setValue(bar.value() + y + h - room);
    }
}

QModelIndex ParkGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (!table() || action == MoveNext || action == MovePrevious)
        return QTableView::moveCursor(action, modifiers);
    const int rows = proxy_->rowCount();
    const int lastColumn = model_->columnCount() - 1;
    const int firstPark = parktable::kFirstParkRow;
    const int lastRow = std::max(parktable::kColumnCaptionRow, rows - 1);
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return proxy_->index(rows > firstPark ? firstPark : parktable::kColumnCaptionRow, 0);
    int row = current.row();
    int column = current.column();
    const int page = rowsInRoom();
    const bool ctrl = modifiers & Qt::ControlModifier;
    switch (action) {
    case MoveUp:
        // Up from the first park reaches the column captions, where Space or Enter sorts.
        row = std::max(parktable::kColumnCaptionRow, row - 1);
        break;
    case MoveDown:
        row = std::min(lastRow, row + 1);
        break;
    case MoveLeft:
        column = std::max(0, column - 1);
        break;
    case MoveRight:
        column = std::min(lastColumn, column + 1);
        break;
    case MovePageUp:
        row = row < firstPark ? row : std::max(std::min(firstPark, lastRow), row - page);
        break;
    case MovePageDown:
        row = std::min(lastRow, std::max(row, firstPark - 1) + page);
        break;
    case MoveHome:
        column = 0;
        if (ctrl)
            row = std::min(firstPark, lastRow);
        break;
    case MoveEnd:
        column = lastColumn;
        if (ctrl)
            row = lastRow;
        break;
    default:
        break;
    }
    return proxy_->index(row, column);
}

void ParkGrid::moveCurrent(const QModelIndex& index, bool extend) {
    if (!index.isValid())
        return;
    QItemSelectionModel& selection = *selectionModel();
    if (extend && anchor_.isValid() && model_->isParkRow(proxy_->mapToSource(index).row()) &&
        model_->isParkRow(proxy_->mapToSource(anchor_).row())) {
        const QModelIndex topLeft =
            proxy_->index(std::min(anchor_.row(), index.row()), std::min(anchor_.column(), index.column()));
        const QModelIndex bottomRight =
            proxy_->index(std::max(anchor_.row(), index.row()), std::max(anchor_.column(), index.column()));
        selection.setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        selection.select(QItemSelection(topLeft, bottomRight), QItemSelectionModel::ClearAndSelect);
    } else {
        selection.setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        anchor_ = index;
    }
    scrollTo(index);
}

void ParkGrid::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        selectAllParks();
        return;
    }
    const QModelIndex current = currentIndex();
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && current.isValid() &&
        table() && current.row() == parktable::kColumnCaptionRow) {
        activateCaption(current.column());
        return;
    }
    CursorAction action{};
    switch (key) {
    case Qt::Key_Up:
        action = MoveUp;
        break;
    case Qt::Key_Down:
        action = MoveDown;
        break;
    case Qt::Key_Left:
        action = MoveLeft;
        break;
    case Qt::Key_Right:
        action = MoveRight;
        break;
    case Qt::Key_PageUp:
        action = MovePageUp;
        break;
    case Qt::Key_PageDown:
        action = MovePageDown;
        break;
    case Qt::Key_Home:
        action = MoveHome;
        break;
    case Qt::Key_End:
        action = MoveEnd;
        break;
    default:
        QTableView::keyPressEvent(event);
        return;
    }
    moveCurrent(moveCursor(action, event->modifiers()), event->modifiers() & Qt::ShiftModifier);
}

void ParkGrid::pressCell(const QModelIndex& index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    if (!index.isValid())
        return;
    setFocus(Qt::MouseFocusReason);
    // A right-click on a cell outside the selection makes it current before the menu opens.
    if (button == Qt::RightButton && selectionModel()->isSelected(index)) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        return;
    }
    if (button == Qt::LeftButton && (modifiers & Qt::ControlModifier)) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::Toggle);
        anchor_ = index;
        return;
    }
    moveCurrent(index, button == Qt::LeftButton && (modifiers & Qt::ShiftModifier));
}

void ParkGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    // Plain clicks and drags select as any table does; the grid keeps the anchor for Shift.
    if (index.isValid() && (event->button() == Qt::RightButton || (event->modifiers() & Qt::ShiftModifier))) {
        pressCell(index, event->button(), event->modifiers());
        return;
    }
    QTableView::mousePressEvent(event);
    if (index.isValid() && !(event->modifiers() & Qt::ControlModifier))
        anchor_ = currentIndex();
}

int ParkGrid::captionEdgeAt(const QTableView& pane, int x) const {
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

bool ParkGrid::captionMouseEvent(QTableView& pane, QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const int edge = captionEdgeAt(pane, at.x());
    switch (event->type()) {
    case QEvent::MouseMove:
        if (dragColumn_ >= 0) {
            setColumnWidthEverywhere(dragColumn_,
                                     dragStartWidth_ + event->globalPosition().toPoint().x() - dragStartX_);
            return true;
        }
        if (edge >= 0)
            pane.viewport()->setCursor(Qt::SplitHCursor);
        else
            pane.viewport()->unsetCursor();
        return false;
    case QEvent::MouseButtonPress:
        if (event->button() == Qt::LeftButton && edge >= 0) {
            dragColumn_ = edge;
            dragStartX_ = event->globalPosition().toPoint().x();
            dragStartWidth_ = pane.columnWidth(edge);
            return true;
        }
        if (const QModelIndex index = pane.indexAt(at); index.isValid()) {
            setFocus(Qt::MouseFocusReason);
            selectionModel()->setCurrentIndex(index, event->button() == Qt::LeftButton
                                                         ? QItemSelectionModel::ClearAndSelect
                                                         : QItemSelectionModel::NoUpdate);
            if (event->button() == Qt::LeftButton && index.row() == parktable::kColumnCaptionRow)
                activateCaption(index.column());
        }
        return true;
    case QEvent::MouseButtonRelease:
        dragColumn_ = -1;
        return true;
    case QEvent::MouseButtonDblClick:
        if (edge >= 0)
            fitColumn(edge);
        return true;
    default:
        return false;
    }
}

void ParkGrid::showPaneMenu(const QTableView& pane, const QPoint& at) {
    if (actions().isEmpty())
        return;
    QMenu::exec(actions(), pane.viewport()->mapToGlobal(at), nullptr, this);
}

bool ParkGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport())
        return QTableView::eventFilter(watched, event);
    QTableView* pane = nullptr;
    for (QTableView* candidate : {captionPane_, columnPane_, cornerPane_, footPane_, footCornerPane_})
        if (watched == candidate->viewport())
            pane = candidate;
    if (pane == nullptr)
        return QTableView::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Wheel:
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (pane == captionPane_ || pane == cornerPane_)
            return captionMouseEvent(*pane, mouse);
        if (pane == columnPane_ && event->type() == QEvent::MouseButtonPress)
            pressCell(columnPane_->indexAt(mouse->position().toPoint()), mouse->button(), mouse->modifiers());
        return true;
    }
    default:
        return QTableView::eventFilter(watched, event);
    }
}

void ParkGrid::selectAllParks() {
    const int rows = proxy_->rowCount();
    if (!table() || rows <= parktable::kFirstParkRow)
        return;
    const QModelIndex first = proxy_->index(parktable::kFirstParkRow, 0);
    const QModelIndex last = proxy_->index(rows - 1, parktable::col::lastCaptioned);
    if (!currentIndex().isValid() || currentIndex().row() < parktable::kFirstParkRow)
        selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(first, last), QItemSelectionModel::ClearAndSelect);
    anchor_ = first;
}

QString ParkGrid::selectedText() const {
    if (!table())
        return {};
    // Rows in the order shown, each with the columns chosen in it; a gap stays an empty field.
    std::map<int, std::vector<bool>> rows;
    const int columns = model_->columnCount();
    int firstColumn = columns;
    int lastColumn = -1;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        firstColumn = std::min(firstColumn, range.left());
        lastColumn = std::max(lastColumn, range.right());
        for (int row = range.top(); row <= range.bottom(); ++row) {
            std::vector<bool>& chosen = rows[row];
            chosen.resize(static_cast<std::size_t>(columns));
            for (int column = range.left(); column <= range.right(); ++column)
                chosen[static_cast<std::size_t>(column)] = true;
        }
    }
    QString text;
    for (const auto& [row, chosen] : rows) {
        const int tableRow = proxy_->mapToSource(proxy_->index(row, 0)).row();
        if (!model_->isParkRow(tableRow))
            continue;
        QStringList cells;
        for (int column = firstColumn; column <= lastColumn; ++column)
            cells << (chosen[static_cast<std::size_t>(column)]
                          ? clipboardCell(model_->cellText(tableRow, column))
                          : QString());
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

void ParkGrid::copySelection() const {
    const QString text = selectedText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

} // namespace vendrix::platform
