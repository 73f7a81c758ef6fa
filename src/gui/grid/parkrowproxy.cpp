#include "parkrowproxy.h"

#include "gui/bridge/displaytext.h"
#include "model/columns.h"
#include "season/letterfold.h"
#include "season/naturalorder.h"

#include <cmath>
#include <limits>

namespace vendrix::gui {

using parktable::kCaptionRowCount;

ParkRowProxy::ParkRowProxy(ParkTableModel& source, QObject* parent)
    : QSortFilterProxyModel(parent), source_(source) {
    // Sorting happens on request only: a change of colours or notes must not reorder the rows.
    setDynamicSortFilter(false);
    setSourceModel(&source_);
    connect(&source_, &QAbstractItemModel::modelAboutToBeReset, this, &ParkRowProxy::forgetKeys);
    // The cells of a view's own column change with what the view shows (a new fly ball).
    connect(&source_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex& last) {
                if (model::isViewColumn(last.column()))
                    forgetKeys();
            });
    connect(&source_, &QAbstractItemModel::modelReset, this,
            [this] { emit shownParksChanged(shownParkCount(), parkCount()); });
}

void ParkRowProxy::forgetKeys() {
    sortKeys_.clear();
    sortKeysColumn_ = -1;
    findTexts_.clear();
}

int ParkRowProxy::parkCount() const {
    return source_.table() ? source_.table()->parkCount() : 0;
}

int ParkRowProxy::shownParkCount() const {
    return source_.table() ? rowCount() - kCaptionRowCount : 0;
}

void ParkRowProxy::buildSortKeys(int column) const {
    const parktable::ParkTable* table = source_.table();
    sortKeys_.assign(static_cast<std::size_t>(source_.rowCount()), {});
    sortKeysColumn_ = column;
    if (!table || column < 0 || column >= source_.columnCount())
        return;
    if (model::isViewColumn(column)) {
        for (const model::Park& park : table->season().parks()) {
            const double key = source_.viewCells() ? source_.viewCells()->sortKey(park, column) : 0.0;
            sortKeys_[static_cast<std::size_t>(parktable::ParkTable::rowOf(park))].number =
                std::isfinite(key) ? std::llround(key * 100.0) : std::numeric_limits<long long>::min();
        }
        return;
    }
    const bool numbers = model::column(column).isNumber();
    for (const model::Park& park : table->season().parks()) {
        SortKey& key = sortKeys_[static_cast<std::size_t>(parktable::ParkTable::rowOf(park))];
        if (numbers) {
            key.number = *park.number(column);
            continue;
        }
        std::string_view text = park.text(column);
        while (!text.empty() && (text.back() == ' ' || text.back() == '\0'))
            text.remove_suffix(1);
        while (!text.empty() && text.front() == ' ')
            text.remove_prefix(1);
        // Folded beforehand: names alike but for case or accents tie, and stay in file order.
        key.text.reserve(text.size());
        for (const char c : text)
            key.text.push_back(season::plainLetterWindows1252(c));
    }
}

void ParkRowProxy::buildFindTexts() const {
    const parktable::ParkTable* table = source_.table();
    findTexts_.assign(static_cast<std::size_t>(source_.rowCount()), {});
    if (!table)
        return;
    for (const model::Park& park : table->season().parks()) {
        // A line break between the two names: a find text never matches across them.
        findTexts_[static_cast<std::size_t>(parktable::ParkTable::rowOf(park))] =
            (fromWindows1252(park.name()) + QLatin1Char('\n') + fromWindows1252(park.team())).toCaseFolded();
    }
}

void ParkRowProxy::sort(int column, Qt::SortOrder order) {
    if (column >= 0 && column != sortKeysColumn_)
        buildSortKeys(column);
    QSortFilterProxyModel::sort(column, order);
}

void ParkRowProxy::setFindText(const QString& text) {
    const QString folded = text.toCaseFolded();
    if (folded == findText_)
        return;
    findText_ = folded;
    // One layout change for the whole new choice: a removal per gap would cost the views far more.
    invalidate();
    emit shownParksChanged(shownParkCount(), parkCount());
}

void ParkRowProxy::setRowChoice(RowChoice choice) {
    choice_ = std::move(choice);
    invalidate();
    emit shownParksChanged(shownParkCount(), parkCount());
}

bool ParkRowProxy::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    if (sourceParent.isValid() || sourceRow < kCaptionRowCount || !source_.table())
        return true;
    if (choice_ && !choice_(sourceRow))
        return false;
    if (findText_.isEmpty())
        return true;
    if (findTexts_.size() != static_cast<std::size_t>(source_.rowCount()))
        buildFindTexts();
    return findTexts_[static_cast<std::size_t>(sourceRow)].contains(findText_);
}

bool ParkRowProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const int l = left.row();
    const int r = right.row();
    const bool ascending = sortOrder() == Qt::AscendingOrder;
    // The descending sort asks lessThan(right, left): answers are turned so that the caption rows
    // stay first and equal parks stay in file order either way.
    const bool lCaption = l < kCaptionRowCount;
    const bool rCaption = r < kCaptionRowCount;
    if (lCaption || rCaption) {
        if (lCaption && rCaption)
            return ascending ? l < r : l > r;
        return ascending ? lCaption : rCaption;
    }
    if (left.column() != sortKeysColumn_ || sortKeys_.empty())
        buildSortKeys(left.column());
    const SortKey& a = sortKeys_[static_cast<std::size_t>(l)];
    const SortKey& b = sortKeys_[static_cast<std::size_t>(r)];
    const int order =
        a.number != b.number ? (a.number < b.number ? -1 : 1) : season::compareNatural(a.text, b.text);
    if (order != 0)
        return order < 0;
    return ascending ? l < r : l > r;
}

QVariant ParkRowProxy::data(const QModelIndex& index, int role) const {
    if (role == Qt::DisplayRole && index.isValid() && index.row() == parktable::kColumnCaptionRow &&
        index.column() == sortColumn() && source_.table()) {
        const bool ascending = sortOrder() == Qt::AscendingOrder;
        return QSortFilterProxyModel::data(index, role).toString().trimmed() +
               (ascending ? QStringLiteral("\u25B2") : QStringLiteral("\u25BC"));
    }
    return QSortFilterProxyModel::data(index, role);
}

} // namespace vendrix::gui
