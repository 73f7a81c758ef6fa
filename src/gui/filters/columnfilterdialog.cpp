#include "columnfilterdialog.h"

#include "gui/bridge/displaytext.h"
#include "gui/grid/columnmeanings.h"
#include "parktable/parkcolumnstats.h"
#include "season/naturalorder.h"

#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <set>
#include <string>

namespace vendrix::gui {

namespace {

std::optional<double> numberIn(const QLineEdit& field) {
    bool ok = false;
    const double value = field.text().trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

// The words a column holds, trimmed, in natural order; an empty cell is left out.
std::vector<std::string> wordsOf(const parktable::ParkTable& table, int column) {
    std::set<std::string, season::NaturalLess> words;
    for (int row = parktable::kFirstParkRow; row < table.rowCount(); ++row) {
        std::string_view cell = table.cell(row, column);
        while (!cell.empty() && (cell.back() == ' ' || cell.back() == '\0'))
            cell.remove_suffix(1);
        while (!cell.empty() && cell.front() == ' ')
            cell.remove_prefix(1);
        if (!cell.empty())
            words.emplace(cell);
    }
    return {words.begin(), words.end()};
}

} // namespace

ColumnFilterDialog::ColumnFilterDialog(const parktable::ParkTable& table, int column,
                                       const ColumnFilter* current, QWidget* parent)
    : QDialog(parent), column_(column) {
    setObjectName(QStringLiteral("columnFilterDialog"));
    setWindowTitle(QStringLiteral("Filter %1").arg(columnShortName(column)));
    auto* layout = new QVBoxLayout(this);
    if (parktable::ParkColumnStats::isNumberColumn(column)) {
        layout->addWidget(new QLabel(QStringLiteral("Show the parks whose %1 lies in this range "
                                                    "(leave an end empty to leave it open):")
                                         .arg(columnShortName(column)),
                                     this));
        auto* form = new QFormLayout;
        from_ = new QLineEdit(this);
        to_ = new QLineEdit(this);
        from_->setObjectName(QStringLiteral("filterFrom"));
        to_->setObjectName(QStringLiteral("filterTo"));
        for (QLineEdit* field : {from_, to_})
            field->setValidator(new QDoubleValidator(field));
        form->addRow(QStringLiteral("&From"), from_);
        form->addRow(QStringLiteral("&To"), to_);
        layout->addLayout(form);
    } else {
        layout->addWidget(new QLabel(
            QStringLiteral("Show the parks whose %1 is one of:").arg(columnShortName(column)), this));
        words_ = new QListWidget(this);
        words_->setObjectName(QStringLiteral("filterWords"));
        const QStringList chosen = current ? current->chosenWords() : QStringList();
        for (const std::string& word : wordsOf(table, column)) {
            auto* item = new QListWidgetItem(fromWindows1252(word), words_);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(chosen.contains(item->text()) ? Qt::Checked : Qt::Unchecked);
        }
        if (words_->count() > 0)
            words_->setCurrentRow(0);
        layout->addWidget(words_);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::optional<ColumnFilter> ColumnFilterDialog::filter() const {
    if (words_ == nullptr)
        return ColumnFilter::range(column_, numberIn(*from_), numberIn(*to_));
    QStringList chosen;
    for (int i = 0; i < words_->count(); ++i)
        if (words_->item(i)->checkState() == Qt::Checked)
            chosen << words_->item(i)->text();
    return ColumnFilter::words(column_, chosen);
}

} // namespace vendrix::gui
