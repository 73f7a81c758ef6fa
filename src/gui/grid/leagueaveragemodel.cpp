#include "leagueaveragemodel.h"

#include "gui/bridge/displaytext.h"
#include "parktablemodel.h"

namespace vendrix::gui {

LeagueAverageModel::LeagueAverageModel(const ParkTableModel& parks, QObject* parent)
    : QAbstractTableModel(parent), parks_(parks) {
    connect(&parks_, &QAbstractItemModel::modelAboutToBeReset, this, &LeagueAverageModel::beginResetModel);
    connect(&parks_, &QAbstractItemModel::modelReset, this, &LeagueAverageModel::endResetModel);
}

int LeagueAverageModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !parks_.table() ? 0 : 1;
}

int LeagueAverageModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : parks_.columnCount();
}

QVariant LeagueAverageModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !checkIndex(index))
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        if (column == 0)
            return QString::fromLatin1(kCaption);
        if (const model::LeagueAverage& average = parks_.averages().of(column); average.exists())
            return QString::fromStdString(average.text());
        return {};
    case Qt::TextAlignmentRole:
        // As the park cells below their captions stand.
        return parks_.alignment(parktable::kFirstParkRow, column);
    case Qt::ToolTipRole: {
        const model::LeagueAverage& average = parks_.averages().of(column);
        if (!average.exists())
            return {};
        return fromUtf8(model::column(column).shortName) + QStringLiteral(": ") + fromUtf8(average.note());
    }
    default:
        return {};
    }
}

Qt::ItemFlags LeagueAverageModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

} // namespace vendrix::gui
