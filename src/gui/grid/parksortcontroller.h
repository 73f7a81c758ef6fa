#pragma once

#include <QObject>

namespace vendrix::gui {

class ParkRowProxy;

// Sorting by a column caption: the first click on a caption sorts up, the second down, the third
// returns to file order; a click on another caption starts again from up.
class ParkSortController : public QObject {
    Q_OBJECT
public:
    explicit ParkSortController(ParkRowProxy& rows, QObject* parent = nullptr);

    // A column caption was clicked, or Space or Enter pressed on it.
    void captionActivated(int column);

signals:
    void sorted(int column, Qt::SortOrder order);

private:
    ParkRowProxy& rows_;
};

} // namespace vendrix::gui
