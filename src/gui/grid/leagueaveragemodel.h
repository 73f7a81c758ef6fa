#pragma once

#include <QAbstractTableModel>

namespace vendrix::gui {

class ParkTableModel;

// The row at the foot of the grid: "League average" and the season's League average of every
// averaged column, with one decimal, and over how many parks in its tooltip. It is not a park: it lives
// beside the park table, so no output ever sees it. Empty while no table has been built.
class LeagueAverageModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "League average";

    explicit LeagueAverageModel(const ParkTableModel& parks, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const ParkTableModel& parks_;
};

} // namespace vendrix::gui
