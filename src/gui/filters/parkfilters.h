#pragma once

#include "columnfilter.h"
#include "gui/grid/parkrowproxy.h"

#include <QObject>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QMenu;

namespace vendrix::gui {

class FilterChips;
class ParkGrid;

// The filters by column over a grid: "Filter..." in a column caption's context menu opens the
// column's filter dialog, the chips show the active filters, and the grid shows the parks every
// filter keeps (one filter per column; a new one replaces the column's). Another view may add a
// choice of its own (the parks that differ from another season), kept together with the filters.
// Filters stay for every new table until they are removed.
class ParkFilters : public QObject {
    Q_OBJECT
public:
    ParkFilters(ParkGrid& grid, FilterChips& chips, QObject* parent = nullptr);

    // Puts the filter in place of the column's; the grid shows the parks it keeps.
    void apply(const ColumnFilter& filter);
    void removeColumn(int column);
    void removeAt(int index);
    const std::vector<ColumnFilter>& filters() const { return filters_; }
    // A choice kept with the filters; an empty one keeps every park.
    void setOtherChoice(ParkRowProxy::RowChoice choice);
    bool isChoosing() const { return !filters_.empty() || static_cast<bool>(other_); }

    // Opens the column's filter dialog, as "Filter..." does.
    void askForColumn(int column);
    // "Filter this column..." (Ctrl+Shift+L): the dialog of the current cell's column.
    QAction& filterColumnAction() const { return *filterColumn_; }

signals:
    void filtersChanged();

private:
    void addMenuEntries(int column, QMenu& menu);
    void update();

    ParkGrid& grid_;
    FilterChips& chips_;
    std::vector<ColumnFilter> filters_;
    ParkRowProxy::RowChoice other_;
    QAction* filterColumn_;
};

} // namespace vendrix::gui
