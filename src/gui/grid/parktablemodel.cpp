#include "parktablemodel.h"

#include "factortint.h"
#include "gui/bridge/displaytext.h"

#include <QFont>

namespace vendrix::gui {

using model::ColumnAlignment;
namespace col = model::col;

void ParkTableModel::setSeason(model::Season season) {
    beginResetModel();
    season_ = std::make_shared<const model::Season>(std::move(season));
    table_.emplace(*season_);
    ranks_ = model::ColumnRanks(*season_);
    averages_ = model::LeagueAverages(*season_);
    notes_ = {};
    viewCells_.reset(); // they belong to the table before
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

void ParkTableModel::setViewCells(std::shared_ptr<const model::ViewCells> cells) {
    viewCells_ = std::move(cells);
    if (rowCount() > parktable::kFirstParkRow)
        emit dataChanged(index(parktable::kFirstParkRow, model::kColumnCount),
                         index(rowCount() - 1, columnCount() - 1));
}

int ParkTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return table_ ? table_->rowCount() : kDesignRows;
}

int ParkTableModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    // The view's own columns follow the table's; no output writes them.
    return table_ ? table_->columnCount() + model::kViewColumnCount : kDesignColumns;
}

QString ParkTableModel::cellText(int row, int column) const {
    if (!table_ || row < 0 || row >= table_->rowCount() || column < 0 || column >= columnCount())
        return {};
    if (model::isViewColumn(column))
        return viewCellText(row, column,
                            [this](const model::Park& p, int c) { return viewCells_->text(p, c); });
    return fromWindows1252(table_->cell(row, column));
}

QString ParkTableModel::viewCellText(int row, int column, const ViewText& text) const {
    if (row == parktable::kGroupCaptionRow)
        return fromUtf8(model::column(column).groupCaption);
    if (row == parktable::kColumnCaptionRow)
        return fromUtf8(model::column(column).caption);
    return viewCells_ ? fromUtf8(text(park(row), column)) : QString();
}

QVariant ParkTableModel::alignment(int row, int column) const {
    if (!table_)
        return {};
    if (row < parktable::kCaptionRowCount)
        return QVariant::fromValue(static_cast<int>(Qt::AlignCenter));
    switch (model::column(column).alignment) {
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
    if (factorColours_ && model::column(column).tint == model::ColumnTint::Factor) {
        if (const QColor tint = factorTint(*park(row).number(column)); tint.isValid())
            return tint;
    }
    return {};
}

QString ParkTableModel::toolTip(int row, int column) const {
    if (!table_)
        return {};
    if (row == parktable::kColumnCaptionRow)
        return fromUtf8(model::column(column).meaning());
    if (!isParkRow(row))
        return {};
    if (model::isViewColumn(column))
        return viewCellText(row, column,
                            [this](const model::Park& p, int c) { return viewCells_->toolTip(p, c); });
    QStringList lines;
    if (const CellNote* note = notes_.find(row, column); note && !note->toolTip.isEmpty())
        lines << note->toolTip;
    if (const std::string value = model::valueNote(park(row), column, ranks_, averages_); !value.empty())
        lines << fromUtf8(value);
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
    case Qt::AccessibleTextRole:
        return cellText(index.row(), index.column()).simplified();
    case Qt::AccessibleDescriptionRole:
        return toolTip(index.row(), index.column());
    case kImplausibleRole:
        return isParkRow(index.row()) && !park(index.row()).canBeReal(index.column());
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

QVariant ParkTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (!table_ || orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::AccessibleTextRole:
        return fromUtf8(model::column(section).longName);
    case Qt::AccessibleDescriptionRole:
        return fromUtf8(model::column(section).meaning());
    default:
        return QAbstractTableModel::headerData(section, orientation, role);
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
