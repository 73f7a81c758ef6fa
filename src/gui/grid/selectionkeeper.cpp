#include "selectionkeeper.h"

#include "parkrowproxy.h"
#include "parktablemodel.h"

#include <QItemSelectionModel>
#include <algorithm>
#include <vector>

namespace vendrix::gui {

void SelectionKeeper::reorder(const std::function<void()>& reorder) const {
    struct Chosen {
        int row;
        int left;
        int right;
    };
    std::vector<Chosen> chosen;
    for (const QItemSelectionRange& range : selection_.selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            chosen.push_back(
                {shownRows_.mapToSource(shownRows_.index(row, 0)).row(), range.left(), range.right()});
    if (!chosen.empty())
        selection_.clearSelection();
    reorder();
    if (chosen.empty())
        return;
    std::vector<Chosen> placed; // by the row shown
    placed.reserve(chosen.size());
    for (const Chosen& c : chosen) {
        const QModelIndex shown = shownRows_.mapFromSource(model_.index(c.row, 0));
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
        selection.select(shownRows_.index(placed[i].row, placed[i].left),
                         shownRows_.index(placed[end - 1].row, placed[i].right));
        i = end;
    }
    selection_.select(selection, QItemSelectionModel::Select);
}

} // namespace vendrix::gui
