#include "parkfindbar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QToolButton>

namespace vendrix::gui {

ParkFindBar::ParkFindBar(QWidget* parent)
    : QWidget(parent), field_(new QLineEdit(this)), count_(new QLabel(this)) {
    field_->setObjectName(QStringLiteral("findField"));
    field_->setPlaceholderText(QStringLiteral("Find park or team (Ctrl+F)"));
    field_->setClearButtonEnabled(true);
    field_->setToolTip(
        QStringLiteral("Shows only the parks whose park name or team name contains this text"));
    field_->installEventFilter(this);
    field_->setAccessibleName(QStringLiteral("Find park or team"));
    // The field's clear button: its icon says nothing to a screen reader.
    for (QToolButton* clear : field_->findChildren<QToolButton*>())
        clear->setAccessibleName(QStringLiteral("Clear the find"));
    count_->setObjectName(QStringLiteral("findCount"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field_, 1);
    layout->addWidget(count_);

    auto* find = new QShortcut(QKeySequence::Find, this);
    find->setContext(Qt::WindowShortcut);
    connect(find, &QShortcut::activated, this, [this] {
        field_->setFocus(Qt::ShortcutFocusReason);
        field_->selectAll();
    });
    connect(field_, &QLineEdit::textChanged, this, &ParkFindBar::findTextChanged);
}

void ParkFindBar::addBesideField(QWidget* control) {
    static_cast<QHBoxLayout*>(layout())->insertWidget(1, control);
}

void ParkFindBar::showCount(int shown, int total) {
    count_->setText(total > 0 ? QStringLiteral("%1 of %2 parks").arg(shown).arg(total) : QString());
}

bool ParkFindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !field_->text().isEmpty()) {
        field_->clear();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vendrix::gui
