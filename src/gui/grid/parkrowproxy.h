#pragma once

#include "parktablemodel.h"

#include <QSortFilterProxyModel>
#include <vector>

namespace vendrix::gui {

// The park rows in the order and choice the window shows: sorted by one column or in file order,
// and only the parks whose park or team name holds the find text. The caption rows always stay
// first; the park table itself, and every output read from it, keeps the file order.
class ParkRowProxy : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit ParkRowProxy(ParkTableModel& source, QObject* parent = nullptr);

    // Sorts the park rows: numbers as numbers, names and words ignoring case, equal values in file
    // order. Column -1 returns to file order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    // Keeps the parks whose park or team name contains the text, ignoring case; empty keeps all.
    void setFindText(const QString& text);
    const QString& findText() const { return findText_; }

    int shownParkCount() const;
    int parkCount() const;

    // The caption of the sorted column carries an arrow pointing the way of the order.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

signals:
    void shownParksChanged(int shown, int total);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    struct SortKey {
        long long number = 0;
        QString text;
    };
    void forgetKeys();
    void buildSortKeys(int column) const;
    void buildFindTexts() const;

    ParkTableModel& source_;
    QString findText_;
    // Built on demand and dropped whenever the table changes.
    mutable std::vector<SortKey> sortKeys_;
    mutable int sortKeysColumn_ = -1;
    mutable std::vector<QString> findTexts_;
};

} // namespace vendrix::gui
