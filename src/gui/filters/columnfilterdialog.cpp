#include "columnfilterdialog.h"

#include "gui/bridge/displaytext.h"
#include "model/columns.h"
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

// The words a column holds, trimmed, in natural order; an empty text is left out.
std::vector<std::string> wordsOf(const model::Season& season, int column) {
    std::set<std::string, season::NaturalLess> words;
    for (const model::Park& park : season.parks()) {
        std::string_view text = park.text(column);
        while (!text.empty() && (text.back() == ' ' || text.back() == '\0'))
            text.remove_suffix(1);
        while (!text.empty() && text.front() == ' ')
            text.remove_prefix(1);
        if (!text.empty())
            words.emplace(text);
    }
    return {words.begin(), words.end()};
}

QString shortName(int column) {
    return fromUtf8(model::column(column).shortName);
}

// As numberIn reads it back: QString's own number format, whatever the locale.
QString fieldText(double value) {
    return QString::number(value, 'g', 10);
}

} // namespace

ColumnFilterDialog::ColumnFilterDialog(const model::Season& season, int column, const ColumnFilter* current,
                                       QWidget* parent)
    : QDialog(parent), column_(column) {
    setObjectName(QStringLiteral("columnFilterDialog"));
    setWindowTitle(QStringLiteral("Filter %1").arg(shortName(column)));
    auto* layout = new QVBoxLayout(this);
    if (model::column(column).isNumber()) {
        layout->addWidget(new QLabel(QStringLiteral("Show the parks whose %1 lies in this range "
                                                    "(leave an end empty to leave it open):")
                                         .arg(shortName(column)),
                                     this));
        auto* form = new QFormLayout;
        from_ = new QLineEdit(this);
        to_ = new QLineEdit(this);
        from_->setObjectName(QStringLiteral("filterFrom"));
        to_->setObjectName(QStringLiteral("filterTo"));
        for (QLineEdit* field : {from_, to_})
            field->setValidator(new QDoubleValidator(field));
        // The active range comes back as it was given, to be changed rather than typed again.
        if (current != nullptr) {
            if (const std::optional<double> from = current->rangeFrom())
                from_->setText(fieldText(*from));
            if (const std::optional<double> to = current->rangeTo())
                to_->setText(fieldText(*to));
        }
        form->addRow(QStringLiteral("&From"), from_);
        form->addRow(QStringLiteral("&To"), to_);
        layout->addLayout(form);
    } else {
        layout->addWidget(
            new QLabel(QStringLiteral("Show the parks whose %1 is one of:").arg(shortName(column)), this));
        words_ = new QListWidget(this);
        words_->setObjectName(QStringLiteral("filterWords"));
        const QStringList chosen = current ? current->chosenWords() : QStringList();
        for (const std::string& word : wordsOf(season, column)) {
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
