#include "columnfilter.h"

#include "gui/grid/columnmeanings.h"
#include "parktable/parkcolumnstats.h"

#include <algorithm>
#include <variant>

namespace vendrix::gui {

namespace {

using Operator = parkjson::ParkCondition::Operator;

std::optional<parkjson::ParkCondition> condition(int column, Operator op, const QString& value) {
    const QByteArray utf8 = value.toUtf8();
    auto made = parkjson::ParkCondition::on(column, op, std::string_view(utf8.constData(), utf8.size()));
    if (auto* held = std::get_if<parkjson::ParkCondition>(&made))
        return std::move(*held);
    return std::nullopt;
}

QString numberText(double value) {
    return QString::number(value, 'g', 10);
}

} // namespace

std::optional<ColumnFilter> ColumnFilter::words(int column, const QStringList& words) {
    ColumnFilter filter;
    filter.column_ = column;
    filter.anyOf_ = true;
    for (const QString& word : words)
        if (auto made = condition(column, Operator::Equal, word.trimmed()))
            filter.conditions_.push_back(std::move(*made));
    if (filter.conditions_.empty())
        return std::nullopt;
    filter.words_ = words;
    filter.chipText_ =
        QStringLiteral("%1: %2").arg(columnShortName(column), words.join(QStringLiteral(", ")));
    return filter;
}

std::optional<ColumnFilter> ColumnFilter::range(int column, std::optional<double> from,
                                                std::optional<double> to) {
    if ((!from && !to) || (from && to && *from > *to))
        return std::nullopt;
    ColumnFilter filter;
    filter.column_ = column;
    if (from)
        if (auto made = condition(column, Operator::GreaterOrEqual, numberText(*from)))
            filter.conditions_.push_back(std::move(*made));
    if (to)
        if (auto made = condition(column, Operator::LessOrEqual, numberText(*to)))
            filter.conditions_.push_back(std::move(*made));
    if (filter.conditions_.empty())
        return std::nullopt;
    const QString name = columnShortName(column);
    if (from && to)
        filter.chipText_ = QStringLiteral("%1: %2 to %3").arg(name, numberText(*from), numberText(*to));
    else if (from)
        filter.chipText_ = QStringLiteral("%1: from %2").arg(name, numberText(*from));
    else
        filter.chipText_ = QStringLiteral("%1: up to %2").arg(name, numberText(*to));
    return filter;
}

bool ColumnFilter::keeps(const parktable::ParkTable& table, int row) const {
    const auto holds = [&](const parkjson::ParkCondition& c) {
        return c.holdsFor(table, row);
    };
    return anyOf_ ? std::any_of(conditions_.begin(), conditions_.end(), holds)
                  : std::all_of(conditions_.begin(), conditions_.end(), holds);
}

} // namespace vendrix::gui
