#include "parktablemodel.h"

#include "displaytext.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>

namespace vendrix::platform {

using parktable::ColumnAlignment;

void ParkTableModel::setTable(parktable::ParkTable table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

int ParkTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return table_ ? table_->rowCount() : kDesignRows;
}

int ParkTableModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return table_ ? table_->columnCount() : kDesignColumns;
}

QString ParkTableModel::cellText(int row, int column) const {
    if (!table_ || row < 0 || row >= table_->rowCount() || column < 0 || column >= table_->columnCount())
        return {};
    return fromWindows1252(table_->cell(row, column));
}

QVariant ParkTableModel::alignment(int row, int column) const {
    if (!table_)
        return {};
    if (row < parktable::kCaptionRowCount)
        return QVariant::fromValue(static_cast<int>(Qt::AlignCenter));
    switch (parktable::kParkColumns[static_cast<std::size_t>(column)].alignment) {
    case ColumnAlignment::Centred:
        return QVariant::fromValue(static_cast<int>(Qt::AlignCenter));
    case ColumnAlignment::RightTop:
        return QVariant::fromValue(static_cast<int>(Qt::AlignRight | Qt::AlignTop));
    case ColumnAlignment::NotSet:
        break;
    }
    return {};
}

QVariant ParkTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !checkIndex(index))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return alignment(index.row(), index.column());
    case Qt::BackgroundRole:
        if (isFixed(index.row(), index.column()))
            return QBrush(QGuiApplication::palette().color(QPalette::Button));
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags ParkTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || !checkIndex(index))
        return Qt::NoItemFlags;
    if (isFixed(index.row(), index.column()))
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace vendrix::platform
