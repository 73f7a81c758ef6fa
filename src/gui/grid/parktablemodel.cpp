#include "parktablemodel.h"

#include "columnmeanings.h"
#include "factortint.h"
#include "gui/bridge/displaytext.h"

#include <QFont>

namespace vendrix::gui {

using parktable::ColumnAlignment;
namespace col = parktable::col;

namespace {

QString ordinal(int n) {
    const int lastTwo = n % 100;
    const char* suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        switch (n % 10) {
        case 1:
            suffix = "st";
            break;
        case 2:
            suffix = "nd";
            break;
        case 3:
            suffix = "rd";
            break;
        default:
            break;
        }
    }
    return QString::number(n) + QLatin1String(suffix);
}

bool isFactorColumn(int column) {
    return column >= col::firstFactorLHB && column < col::firstAttribute;
}

} // namespace

void ParkTableModel::setTable(parktable::ParkTable table) {
    beginResetModel();
    table_ = std::move(table);
    stats_ = parktable::ParkColumnStats(*table_);
    notes_ = {};
    endResetModel();
}

void ParkTableModel::parkCellsChanged() {
    if (rowCount() > parktable::kFirstParkRow)
        emit dataChanged(index(parktable::kFirstParkRow, 0), index(rowCount() - 1, columnCount() - 1));
}

void ParkTableModel::setFactorColours(bool on) {
    if (on == factorColours_)
        return;
    factorColours_ = on;
    parkCellsChanged();
}

void ParkTableModel::setCellNotes(CellNotes notes) {
    notes_ = std::move(notes);
    parkCellsChanged();
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

QString ParkTableModel::rankText(int row, int column) const {
    if (!isParkRow(row) || !parktable::ParkColumnStats::isNumberColumn(column))
        return {};
    const std::optional<int> value = parktable::ParkColumnStats::number(*table_, row, column);
    const std::optional<double> mean = stats_.mean(column);
    if (!value || !mean)
        return {};
    return QStringLiteral("%1: %2, %3 highest of %4 parks; league mean %5")
        .arg(columnShortName(column), QString::number(*value), ordinal(stats_.rankFromTop(column, *value)),
             QString::number(stats_.count(column)), QString::number(*mean, 'f', 1));
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

QVariant ParkTableModel::background(int row, int column) const {
    if (!isParkRow(row))
        return {};
    if (const CellNote* note = notes_.find(row, column); note && note->tint.isValid())
        return note->tint;
    if (factorColours_ && isFactorColumn(column)) {
        if (const std::optional<int> value = parktable::ParkColumnStats::number(*table_, row, column)) {
            if (const QColor tint = factorTint(*value); tint.isValid())
                return tint;
        }
    }
    return {};
}

QString ParkTableModel::toolTip(int row, int column) const {
    if (!table_)
        return {};
    if (row == parktable::kColumnCaptionRow)
        return columnMeaning(column);
    if (!isParkRow(row))
        return {};
    QStringList lines;
    if (const CellNote* note = notes_.find(row, column); note && !note->toolTip.isEmpty())
        lines << note->toolTip;
    if (const QString rank = rankText(row, column); !rank.isEmpty())
        lines << rank;
    return lines.join(QLatin1Char('\n'));
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
        return background(index.row(), index.column());
    case Qt::ToolTipRole:
        if (const QString tip = toolTip(index.row(), index.column()); !tip.isEmpty())
            return tip;
        return {};
    case Qt::FontRole:
        if (index.column() == col::parkName && isParkRow(index.row()) && notes_.rowMarked(index.row())) {
            QFont font;
            font.setBold(true);
            font.setItalic(true);
            return font;
        }
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags ParkTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || !checkIndex(index))
        return Qt::NoItemFlags;
    // Every park cell, the park name included, can be selected and copied; the captions cannot.
    if (index.row() < fixedRowCount())
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace vendrix::gui
