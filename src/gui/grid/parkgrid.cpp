#include "parkgrid.h"

#include "gridcelldelegate.h"
#include "gui/bridge/displaytext.h"
#include "gui/grid/access/parkgridaccessible.h"
#include "gui/grid/keys/cursorstep.h"
#include "gui/print/fixedpitchfont.h"
#include "leagueaveragemodel.h"
#include "parkrowproxy.h"
#include "parksortcontroller.h"
#include "selectionkeeper.h"

#include <QAction>
#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <functional>
#include <vector>

namespace vendrix::gui {

namespace {

constexpr int kNarrowestColumn = 8;

// The face of the empty grid, fixed pitch as the screen draws it even where "Courier New" is missing.
QFont designFont(const QPaintDevice& screen) {
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    font.setStyleHint(QFont::TypeWriter);
    return fixedPitchFont(font, screen);
}

QFont tableFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(7);
    font.setBold(false);
    return font;
}

} // namespace

ParkGrid::ParkGrid(QWidget* parent)
    : QTableView(parent), model_(new ParkTableModel(this)), proxy_(new ParkRowProxy(*model_, this)),
      sorter_(new ParkSortController(*proxy_, this)), averages_(new LeagueAverageModel(*model_, this)),
      panes_(*this, *proxy_, *averages_), widths_(*this), clipboard_(*model_, *proxy_),
      colourAction_(new QAction(QStringLiteral("Colour the park factors"), this)),
      copyCaptionsAction_(new QAction(QStringLiteral("Copy with captions"), this)),
      resetWidthsAction_(new QAction(QStringLiteral("Reset column widths"), this)) {
    ParkGridAccessible::install();
    setAccessibleName(QStringLiteral("Parks"));
    setModel(proxy_);
    block_.emplace(*selectionModel(), *proxy_);
    setItemDelegate(new GridCellDelegate(*this, false, this));
    for (QTableView* pane : panes_.all())
        pane->setItemDelegate(new GridCellDelegate(*this, true, pane));
    // The fixed column is part of the one selection; a click there is handled as in the rest.
    panes_.column().setSelectionModel(selectionModel());
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    setWordWrap(false);
    setSelectionMode(ExtendedSelection);
    setSelectionBehavior(SelectItems);
    setEditTriggers(NoEditTriggers);
    setFocusPolicy(Qt::StrongFocus);
    // The arrows move between cells; Tab and Shift+Tab go on to the next control, as in a form.
    setTabKeyNavigation(false);

    for (QScrollBar* pane : {panes_.caption().horizontalScrollBar(), panes_.foot().horizontalScrollBar()}) {
        connect(horizontalScrollBar(), &QScrollBar::valueChanged, pane, &QScrollBar::setValue);
        connect(pane, &QScrollBar::valueChanged, horizontalScrollBar(), &QScrollBar::setValue);
    }
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &ParkGrid::snapToWholeRow);
    // The bar's value as it stands: a snap to a whole row may have changed it meanwhile.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { panes_.column().verticalScrollBar()->setValue(verticalScrollBar()->value()); });

    // The wheel turned over a fixed part scrolls the table; clicks there are the grid's.
    for (QTableView* pane : panes_.all()) {
        pane->viewport()->installEventFilter(this);
        pane->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(pane, &QWidget::customContextMenuRequested, this,
                [this, pane](const QPoint& at) { showPaneMenu(*pane, at); });
        pane->show();
    }
    panes_.caption().viewport()->setMouseTracking(true);
    panes_.corner().viewport()->setMouseTracking(true);
    viewport()->installEventFilter(this);

    // Every feature puts its entry into the grid's context menu as an action of the grid.
    setContextMenuPolicy(Qt::ActionsContextMenu);
    colourAction_->setCheckable(true);
    colourAction_->setChecked(true);
    model_->setFactorColours(true);
    connect(colourAction_, &QAction::toggled, this, [this](bool on) { model_->setFactorColours(on); });
    addAction(colourAction_);
    copyCaptionsAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyCaptionsAction_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copyCaptionsAction_, &QAction::triggered, this, [this] { copySelection(true); });
    addAction(copyCaptionsAction_);
    connect(resetWidthsAction_, &QAction::triggered, this, &ParkGrid::resetColumnWidths);

    connect(proxy_, &ParkRowProxy::shownParksChanged, this, &ParkGrid::shownParksChanged);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &ParkGrid::noteCurrentTableRow);
    connect(proxy_, &QAbstractItemModel::layoutChanged, this, &ParkGrid::noteCurrentTableRow);
    connect(proxy_, &QAbstractItemModel::modelReset, this, &ParkGrid::noteCurrentTableRow);
    // Panes repaint the current cell's frame when it moves or the focus comes and goes.
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &ParkGrid::repaintPanes);

    setFont(designFont(*this));
    applyLayout();
}

void ParkGrid::setSeason(model::Season season) {
    setAccessibleName(QStringLiteral("Parks of %1, %2")
                          .arg(fromWindows1252(season.league()), fromWindows1252(season.seasonText())));
    model_->setSeason(std::move(season));
    setFont(tableFont());
    applyLayout();
}

void ParkGrid::setCellNotes(CellNotes notes) {
    model_->setCellNotes(std::move(notes));
}

void ParkGrid::setViewCells(std::shared_ptr<const model::ViewCells> cells) {
    model_->setViewCells(std::move(cells));
    if (model::isViewColumn(proxy_->sortColumn()))
        reorderKeepingSelection([this] { proxy_->sort(proxy_->sortColumn(), proxy_->sortOrder()); });
}

void ParkGrid::setHiddenColumns(QList<int> columns) {
    panes_.setHiddenColumns(std::move(columns));
    applyLayout();
}

void ParkGrid::setFindText(const QString& text) {
    reorderKeepingSelection([&] { proxy_->setFindText(text); });
}

void ParkGrid::setRowChoice(ParkRowProxy::RowChoice choice) {
    reorderKeepingSelection([&] { proxy_->setRowChoice(std::move(choice)); });
}

bool ParkGrid::goToTableRow(int tableRow) {
    const QModelIndex shown = proxy_->mapFromSource(model_->index(tableRow, 0));
    if (!shown.isValid())
        return false;
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    moveCurrent(proxy_->index(shown.row(), column), false);
    return true;
}

void ParkGrid::activateCaption(int column) {
    reorderKeepingSelection([&] { sorter_->captionActivated(column); });
}

void ParkGrid::reorderKeepingSelection(const std::function<void()>& reorder) {
    SelectionKeeper(*selectionModel(), *model_, *proxy_).reorder(reorder);
}

int ParkGrid::currentTableRow() const {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !table())
        return -1;
    const int row = proxy_->mapToSource(current).row();
    return model_->isParkRow(row) ? row : -1;
}

void ParkGrid::repaintPanes() {
    panes_.repaintCurrentFrame();
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

int ParkGrid::columnWidthPixels(int column) const {
    return widths_.designWidth(column);
}

int ParkGrid::fixedColumnsWidth() const {
    int width = 0;
    for (int c = 0; c < model_->fixedColumnCount(); ++c)
        width += panes_.column().columnWidth(c);
    return width;
}

void ParkGrid::applyLayout() {
    rowHeight_ = QFontMetrics(font()).height() + 4;
    widths_.openWordColumns();
    const int rows = proxy_->rowCount();
    const int columns = model_->columnCount();
    const int fixedRows = model_->fixedRowCount();
    const int fixedColumns = model_->fixedColumnCount();

    const auto panes = panes_.all();
    std::vector<QTableView*> views{this};
    views.insert(views.end(), panes.begin(), panes.end());
    for (QTableView* view : views) {
        FrozenPanes::fixSections(*view, rowHeight_);
        view->clearSpans();
        for (int c = 0; c < columns; ++c)
            view->setColumnWidth(c, widths_.width(c));
    }

    // Each view hides what another one shows.
    panes_.splitColumns(columns, fixedColumns);
    for (int r = 0; r < std::min(rows, fixedRows + 1); ++r) {
        const bool fixed = r < fixedRows;
        setRowHidden(r, fixed);
        panes_.column().setRowHidden(r, fixed);
    }
    panes_.mergeGroupCaptions(*model_);

    // The headers are never seen: they only hold the room that the panes cover.
    footHeight_ = averages_->rowCount() > 0 ? rowHeight_ : 0;
    horizontalHeader()->setFixedHeight(fixedRows * rowHeight_);
    verticalHeader()->setFixedWidth(fixedColumnsWidth());
    updateGeometries();
}

void ParkGrid::setColumnWidthEverywhere(int column, int width) {
    if (column < 0 || column >= model_->columnCount())
        return;
    width = std::max(kNarrowestColumn, width);
    // A width the user gave: it stays for the next tables.
    widths_.keep(column, width);
    setColumnWidth(column, width);
    for (QTableView* pane : panes_.all())
        pane->setColumnWidth(column, width);
    if (column < model_->fixedColumnCount())
        verticalHeader()->setFixedWidth(fixedColumnsWidth());
    updateGeometries();
}

void ParkGrid::fitColumn(int column) {
    if (column >= 0 && column < model_->columnCount()) {
        setColumnWidthEverywhere(column, widths_.fittingWidth(column));
    }
}

void ParkGrid::resetColumnWidths() {
    widths_.forget();
    applyLayout();
}

void ParkGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    if (widths_.openWordColumns()) // the room may now hold a column's words, or no longer
        applyLayout();
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
    panes_.place(footHeight_);
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
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return proxy_->index(
            rows > parktable::kFirstParkRow ? parktable::kFirstParkRow : parktable::kColumnCaptionRow, 0);
    const auto hidden = [this](int c) {
        return panes_.isHiddenColumn(c);
    };
    const CursorStep step{
        rows,  model_->columnCount(), rowsInRoom(), parktable::kFirstParkRow, parktable::kColumnCaptionRow,
        hidden};
    static_assert(static_cast<int>(CursorStep::Move::Home) == MoveHome &&
                  static_cast<int>(CursorStep::Move::PageDown) == MovePageDown);
    const auto move =
        action <= MovePageDown ? static_cast<CursorStep::Move>(action) : CursorStep::Move::Other;
    const auto [row, column] =
        step.from(current.row(), current.column(), move, modifiers & Qt::ControlModifier);
    return proxy_->index(row, column);
}

void ParkGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // Not QTableView's: it would number the cell among all the model's rows, the caption rows included.
    QAbstractItemView::currentChanged(current, previous);
    ParkGridAccessible::announceCurrent(*this, current);
}

void ParkGrid::moveCurrent(const QModelIndex& index, bool extend) {
    if (!index.isValid())
        return;
    block_->moveTo(index, extend);
    scrollTo(index);
}

void ParkGrid::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copySelection(false);
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
    const std::optional<CursorStep::Move> move = CursorStep::moveOfKey(key);
    if (!move) {
        QTableView::keyPressEvent(event);
        return;
    }
    moveCurrent(moveCursor(static_cast<CursorAction>(*move), event->modifiers()),
                event->modifiers() & Qt::ShiftModifier);
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
        block_->setAnchor(index);
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
        block_->setAnchor(currentIndex());
}

bool ParkGrid::captionMouseEvent(QTableView& pane, QMouseEvent* event) {
    if (widths_.captionMouseEvent(pane, *event))
        return true;
    if (event->type() == QEvent::MouseMove)
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        if (const QModelIndex index = pane.indexAt(event->position().toPoint()); index.isValid()) {
            setFocus(Qt::MouseFocusReason);
            selectionModel()->setCurrentIndex(index, event->button() == Qt::LeftButton
                                                         ? QItemSelectionModel::ClearAndSelect
                                                         : QItemSelectionModel::NoUpdate);
            if (event->button() == Qt::LeftButton && index.row() == parktable::kColumnCaptionRow)
                activateCaption(index.column());
        }
    }
    return true;
}

void ParkGrid::showPaneMenu(const QTableView& pane, const QPoint& at) {
    const QModelIndex index = pane.indexAt(at);
    QMenu menu(this);
    if (table() && index.isValid() && index.row() == parktable::kColumnCaptionRow) {
        emit captionMenuRequested(index.column(), menu);
        menu.addAction(resetWidthsAction_);
        menu.addSeparator();
    }
    menu.addActions(actions());
    if (!menu.isEmpty())
        menu.exec(pane.viewport()->mapToGlobal(at));
}

bool ParkGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport())
        return QTableView::eventFilter(watched, event);
    QTableView* pane = panes_.paneOfViewport(watched);
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
        if (pane == &panes_.caption() || pane == &panes_.corner())
            return captionMouseEvent(*pane, mouse);
        if (pane == &panes_.column() && event->type() == QEvent::MouseButtonPress)
            pressCell(panes_.column().indexAt(mouse->position().toPoint()), mouse->button(),
                      mouse->modifiers());
        return true;
    }
    default:
        return QTableView::eventFilter(watched, event);
    }
}

void ParkGrid::selectAllParks() {
    if (table())
        block_->selectAllParks(parktable::col::lastCaptioned);
}

QString ParkGrid::selectedText(bool withCaptions) const {
    return table() ? clipboard_.textOf(selectionModel()->selection(), withCaptions) : QString();
}

void ParkGrid::copySelection(bool withCaptions) const {
    if (table())
        clipboard_.copy(selectionModel()->selection(), withCaptions);
}

} // namespace vendrix::gui
