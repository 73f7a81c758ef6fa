#include "columnfilter.h"

#include "gui/bridge/displaytext.h"
#include "model/columns.h"

#include <algorithm>
#include <variant>

namespace vendrix::gui {

namespace {

using parkquery::ParkCondition;
using Operator = ParkCondition::Operator;

QString numberText(double value) {
    return QString::number(value, 'g', 10);
}

QString shortName(int column) {
    return fromUtf8(model::column(column).shortName);
}

} // namespace

std::optional<ColumnFilter> ColumnFilter::words(int column, const QStringList& words) {
    ColumnFilter filter;
    filter.column_ = column;
    filter.anyOf_ = true;
    for (const QString& word : words) {
        const QByteArray utf8 = word.trimmed().toUtf8();
        filter.conditions_.push_back(
            ParkCondition::text(column, Operator::Equal, std::string_view(utf8.constData(), utf8.size())));
    }
    if (filter.conditions_.empty())
        return std::nullopt;
    filter.words_ = words;
    filter.chipText_ = QStringLiteral("%1: %2").arg(shortName(column), words.join(QStringLiteral(", ")));
    return filter;
}

std::optional<ColumnFilter> ColumnFilter::range(int column, std::optional<double> from,
                                                std::optional<double> to) {
    if ((!from && !to) || (from && to && *from > *to))
        return std::nullopt;
    ColumnFilter filter;
    filter.column_ = column;
    filter.from_ = from;
    filter.to_ = to;
    if (from)
        filter.conditions_.push_back(ParkCondition::number(column, Operator::GreaterOrEqual, *from));
    if (to)
        filter.conditions_.push_back(ParkCondition::number(column, Operator::LessOrEqual, *to));
    const QString name = shortName(column);
    if (from && to)
        filter.chipText_ = QStringLiteral("%1: %2 to %3").arg(name, numberText(*from), numberText(*to));
    else if (from)
        filter.chipText_ = QStringLiteral("%1: from %2").arg(name, numberText(*from));
    else
        filter.chipText_ = QStringLiteral("%1: up to %2").arg(name, numberText(*to));
    return filter;
}

bool ColumnFilter::keeps(const model::Park& park) const {
    const auto holds = [&](const ParkCondition& c) {
        return c.holdsFor(park);
    };
    return anyOf_ ? std::any_of(conditions_.begin(), conditions_.end(), holds)
                  : std::all_of(conditions_.begin(), conditions_.end(), holds);
}

} // namespace vendrix::gui
