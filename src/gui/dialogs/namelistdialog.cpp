#include "namelistdialog.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vendrix::gui {

NameListDialog::NameListDialog(const QString& title, const QString& heading, const QStringList& names,
                               QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setObjectName(QStringLiteral("nameListDialog"));
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(heading, this);
    label->setWordWrap(true);
    layout->addWidget(label);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->addItems(names);
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copyAll = buttons->addButton(QStringLiteral("&Copy all"), QDialogButtonBox::ActionRole);
    connect(copyAll, &QPushButton::clicked, this, [this] {
        list_->clearSelection();
        copy();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(420, 360);
}

QString NameListDialog::selectedText() const {
    QStringList names;
    const QList<QListWidgetItem*> chosen = list_->selectedItems();
    for (int i = 0; i < list_->count(); ++i)
        if (chosen.isEmpty() || list_->item(i)->isSelected())
            names << list_->item(i)->text();
    return names.join(QLatin1Char('\n')) + (names.isEmpty() ? QString() : QStringLiteral("\n"));
}

void NameListDialog::copy() const {
    QGuiApplication::clipboard()->setText(selectedText());
}

void NameListDialog::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copy();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace vendrix::gui
