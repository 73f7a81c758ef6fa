#pragma once

#include <QLabel>

class QLineEdit;

namespace vendrix::gui {

class ParkFilters;
class ParkGrid;

// The grid's word when a table is shown but the find text and the filters leave no park: "No park
// or team matches 'xyz'", or that no park passes the filters. It lies over the grid's cells;
// clicks pass through it.
class NoMatchNotice : public QLabel {
    Q_OBJECT
public:
    NoMatchNotice(ParkGrid& grid, const QLineEdit& findField, const ParkFilters& filters);

private:
    void update(int shown, int total);

    ParkGrid& grid_;
    const QLineEdit& findField_;
    const ParkFilters& filters_;
};

} // namespace vendrix::gui
