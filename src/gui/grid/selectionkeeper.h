#pragma once

#include <functional>

class QItemSelectionModel;

namespace vendrix::gui {

class ParkRowProxy;
class ParkTableModel;

// Keeps the chosen parks chosen while the shown rows are sorted or found again. The selection model
// would follow a large selection row by row through the change; it is far cheaper to note the parks
// chosen, reorder, and choose them again in their new places.
class SelectionKeeper {
public:
    SelectionKeeper(QItemSelectionModel& selection, const ParkTableModel& model,
                    const ParkRowProxy& shownRows)
        : selection_(selection), model_(model), shownRows_(shownRows) {}

    // Runs `reorder`, which changes the shown rows, with the same parks and columns chosen after it
    // as before, where they are still shown.
    void reorder(const std::function<void()>& reorder) const;

private:
    QItemSelectionModel& selection_;
    const ParkTableModel& model_;
    const ParkRowProxy& shownRows_;
};

} // namespace vendrix::gui
