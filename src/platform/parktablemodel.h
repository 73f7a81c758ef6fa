#pragma once

#include "parktable/parktable.h"

#include <QAbstractTableModel>
#include <optional>

namespace vendrix::platform {

// The park table as the grid shows it. Before the first table it is the grid's design state: two
// rows, two columns, all empty, one fixed row and one fixed column. Cells are Windows-1252 bytes
// and are converted only here, for the screen.
class ParkTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kDesignRows = 2;
    static constexpr int kDesignColumns = 2;

    using QAbstractTableModel::QAbstractTableModel;

    void setTable(parktable::ParkTable table);
    // The table last set; nothing while the grid is in its design state.
    const parktable::ParkTable* table() const { return table_ ? &*table_ : nullptr; }

    // The caption rows and the park-name column stay in view while the rest scrolls.
    int fixedRowCount() const { return table_ ? parktable::kCaptionRowCount : 1; }
    int fixedColumnCount() const { return 1; }
    bool isFixed(int row, int column) const { return row < fixedRowCount() || column < fixedColumnCount(); }

    QString cellText(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QVariant alignment(int row, int column) const;

    std::optional<parktable::ParkTable> table_;
};

} // namespace vendrix::platform
