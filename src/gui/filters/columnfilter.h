#pragma once

#include "model/park.h"
#include "parkquery/parkcondition.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace vendrix::gui {

// A filter on one column of the park table: for a column of words, the words to keep; for a column
// of numbers, a range from one value to another (either end may be open). It only chooses what the
// grid shows; the outputs write every park.
class ColumnFilter {
public:
    // The parks whose cell is one of the words (as the grid shows them); none when no word is given.
    static std::optional<ColumnFilter> words(int column, const QStringList& words);
    // The parks whose number lies in the range, ends included; a cell without a number is not kept.
    // None when both ends are open or the range is empty.
    static std::optional<ColumnFilter> range(int column, std::optional<double> from,
                                             std::optional<double> to);

    int column() const { return column_; }
    bool keeps(const model::Park& park) const;
    // What the filter's chip says: "Surface: Grass, Turf", "HR, LHB: from 105", "CF: 390 to 410".
    const QString& chipText() const { return chipText_; }
    // For a word filter, its words; empty for a range.
    const QStringList& chosenWords() const { return words_; }
    // For a range, its ends as given; open ends (and a word filter's) are none.
    std::optional<double> rangeFrom() const { return from_; }
    std::optional<double> rangeTo() const { return to_; }

private:
    int column_ = 0;
    bool anyOf_ = false; // words: one condition per word, any of them; a range: every condition
    std::vector<parkquery::ParkCondition> conditions_;
    QStringList words_;
    std::optional<double> from_;
    std::optional<double> to_;
    QString chipText_;
};

} // namespace vendrix::gui
