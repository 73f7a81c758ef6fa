#pragma once

#include "columnfilter.h"
#include "model/season.h"

#include <QDialog>
#include <optional>

class QLineEdit;
class QListWidget;

namespace vendrix::gui {

// "Filter..." of a column caption: for a column of words, the list of the words the column holds,
// each with a check box; for a column of numbers, a from-to range. OK takes it; choosing nothing
// (no word, both ends empty) takes the column's filter away.
class ColumnFilterDialog : public QDialog {
    Q_OBJECT
public:
    // `current` fills the dialog with the column's active filter, if any.
    ColumnFilterDialog(const model::Season& season, int column, const ColumnFilter* current,
                       QWidget* parent = nullptr);

    // The filter as the dialog stands; none when it chooses nothing.
    std::optional<ColumnFilter> filter() const;

    bool isWordColumn() const { return words_ != nullptr; }
    QListWidget* wordList() const { return words_; }
    QLineEdit* fromField() const { return from_; }
    QLineEdit* toField() const { return to_; }

private:
    int column_;
    QListWidget* words_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
};

} // namespace vendrix::gui
