#include "parkfilters.h"

#include "columnfilterdialog.h"
#include "filterchips.h"
#include "gui/grid/parkgrid.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

namespace vendrix::gui {

ParkFilters::ParkFilters(ParkGrid& grid, FilterChips& chips, QObject* parent)
    : QObject(parent), grid_(grid), chips_(chips),
      filterColumn_(new QAction(QStringLiteral("Filter this column..."), &grid)) {
    filterColumn_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
    filterColumn_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(filterColumn_, &QAction::triggered, this, [this] {
        if (grid_.currentIndex().isValid())
            askForColumn(grid_.currentIndex().column());
    });
    grid_.addAction(filterColumn_);
    connect(&grid_, &ParkGrid::captionMenuRequested, this, &ParkFilters::addMenuEntries);
    connect(&chips_, &FilterChips::removeRequested, this, &ParkFilters::removeAt);
}

void ParkFilters::addMenuEntries(int column, QMenu& menu) {
    // A view's own column holds what the view shows, not the season: it has nothing to filter.
    if (model::isViewColumn(column))
        return;
    menu.addAction(QStringLiteral("Filter..."), this, [this, column] { askForColumn(column); });
    // "Filter this column..." would offer the same again, of the current cell's column: it stays out
    // of a caption's menu while the menu is open.
    filterColumn_->setVisible(false);
    connect(&menu, &QMenu::aboutToHide, filterColumn_, [this] { filterColumn_->setVisible(true); });
    const bool active = std::any_of(filters_.begin(), filters_.end(),
                                    [column](const ColumnFilter& f) { return f.column() == column; });
    if (active)
        menu.addAction(QStringLiteral("Remove this filter"), this, [this, column] { removeColumn(column); });
}

void ParkFilters::askForColumn(int column) {
    if (grid_.table() == nullptr || model::isViewColumn(column))
        return;
    const auto current = std::find_if(filters_.begin(), filters_.end(),
                                      [column](const ColumnFilter& f) { return f.column() == column; });
    ColumnFilterDialog dialog(*grid_.season(), column, current == filters_.end() ? nullptr : &*current,
                              grid_.window());
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const std::optional<ColumnFilter> chosen = dialog.filter())
        apply(*chosen);
    else
        removeColumn(column);
}

void ParkFilters::apply(const ColumnFilter& filter) {
    const auto same = std::find_if(filters_.begin(), filters_.end(),
                                   [&](const ColumnFilter& f) { return f.column() == filter.column(); });
    if (same != filters_.end())
        *same = filter;
    else
        filters_.push_back(filter);
    update();
}

void ParkFilters::removeColumn(int column) {
    const auto at = std::find_if(filters_.begin(), filters_.end(),
                                 [column](const ColumnFilter& f) { return f.column() == column; });
    if (at != filters_.end())
        removeAt(static_cast<int>(at - filters_.begin()));
}

void ParkFilters::removeAt(int index) {
    if (index < 0 || index >= static_cast<int>(filters_.size()))
        return;
    filters_.erase(filters_.begin() + index);
    update();
}

void ParkFilters::setOtherChoice(ParkRowProxy::RowChoice choice) {
    other_ = std::move(choice);
    update();
}

void ParkFilters::update() {
    QStringList texts;
    for (const ColumnFilter& filter : filters_)
        texts << filter.chipText();
    chips_.showChips(texts);
    if (!isChoosing()) {
        grid_.setRowChoice({});
    } else {
        grid_.setRowChoice([this](int row) {
            const parktable::ParkTable* table = grid_.table();
            if (table == nullptr)
                return true;
            if (other_ && !other_(row))
                return false;
            const model::Park& park = table->park(row);
            return std::all_of(filters_.begin(), filters_.end(),
                               [&](const ColumnFilter& f) { return f.keeps(park); });
        });
    }
    emit filtersChanged();
}

} // namespace vendrix::gui
