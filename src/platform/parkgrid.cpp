#include "parkgrid.h"

#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

namespace vendrix::platform {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kDefaultColumnTwips = 960;

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

} // namespace

ParkGrid::ParkGrid(QWidget* parent)
    : QTableView(parent), model_(new ParkTableModel(this)), captionPane_(makePane()), columnPane_(makePane()),
      cornerPane_(makePane()) {
    setModel(model_);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    setWordWrap(false);
    setSelectionMode(ExtendedSelection);
    setSelectionBehavior(SelectItems);
    setEditTriggers(NoEditTriggers);
    // Features add their commands to the grid as actions; its context menu lists them.
    setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(horizontalScrollBar(), &QScrollBar::valueChanged, captionPane_->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(captionPane_->horizontalScrollBar(), &QScrollBar::valueChanged, horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, columnPane_->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(columnPane_->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(),
            &QScrollBar::setValue);

    // The wheel turned over a fixed part scrolls the table, never the fixed part alone.
    for (QTableView* pane : {captionPane_, columnPane_, cornerPane_}) {
        pane->viewport()->installEventFilter(this);
        pane->show();
    }

    setFont(designFont());
    applyLayout();
}

QTableView* ParkGrid::makePane() {
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
    pane->setModel(model_);
    return pane;
}

bool ParkGrid::eventFilter(QObject* watched, QEvent* event) {
    const bool overPane = watched == captionPane_->viewport() || watched == columnPane_->viewport() ||
                          watched == cornerPane_->viewport();
    if (event->type() == QEvent::Wheel && overPane) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

int ParkGrid::currentTableRow() const {
    const int row = currentIndex().row();
    const parktable::ParkTable* shown = table();
    return shown != nullptr && row >= parktable::kCaptionRowCount && row < shown->rowCount() ? row : -1;
}

void ParkGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.row() != previous.row())
        emit currentTableRowChanged(currentTableRow());
}

void ParkGrid::setTable(parktable::ParkTable table) {
    model_->setTable(std::move(table));
    setFont(tableFont());
    applyLayout();
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

void ParkGrid::applyLayout() {
    rowHeight_ = QFontMetrics(font()).height() + 4;
    const int rows = model_->rowCount();
    const int columns = model_->columnCount();
    const int fixedRows = model_->fixedRowCount();
    const int fixedColumns = model_->fixedColumnCount();

    int fixedWidth = 0;
    for (QTableView* view : {static_cast<QTableView*>(this), captionPane_, columnPane_, cornerPane_}) {
        configureSections(*view, rowHeight_);
        view->clearSpans();
        for (int c = 0; c < columns; ++c)
            view->setColumnWidth(c, columnWidthPixels(c));
    }
    for (int c = 0; c < fixedColumns; ++c)
        fixedWidth += columnWidthPixels(c);

    // Each view hides what another one shows; rows past the caption rows are cut off by the
    // panes' height rather than hidden, which would cost a call per park.
    for (int c = 0; c < columns; ++c) {
        const bool fixed = c < fixedColumns;
        setColumnHidden(c, fixed);
        captionPane_->setColumnHidden(c, fixed);
        columnPane_->setColumnHidden(c, !fixed);
        cornerPane_->setColumnHidden(c, !fixed);
    }
    for (int r = 0; r < std::min(rows, fixedRows + 1); ++r) {
        const bool fixed = r < fixedRows;
        setRowHidden(r, fixed);
        columnPane_->setRowHidden(r, fixed);
    }
    mergeGroupCaptions();

    // The headers are never seen: they only hold the room that the panes cover.
    horizontalHeader()->setFixedHeight(fixedRows * rowHeight_);
    verticalHeader()->setFixedWidth(fixedWidth);
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

void ParkGrid::updateGeometries() {
    QTableView::updateGeometries();
    const QRect top = horizontalHeader()->geometry();
    const QRect left = verticalHeader()->geometry();
    captionPane_->setGeometry(top);
    columnPane_->setGeometry(left);
    cornerPane_->setGeometry(QRect(left.x(), top.y(), left.width(), top.height()));
    for (QTableView* pane : {captionPane_, columnPane_, cornerPane_})
        pane->raise();
    captionPane_->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    columnPane_->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

} // namespace vendrix::platform
