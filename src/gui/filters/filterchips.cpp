#include "filterchips.h"

#include <QHBoxLayout>
#include <QLayoutItem>
#include <QToolButton>

namespace vendrix::gui {

FilterChips::FilterChips(QWidget* parent) : QWidget(parent), layout_(new QHBoxLayout(this)) {
    setObjectName(QStringLiteral("filterChips"));
    setAccessibleName(QStringLiteral("Filters"));
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(4);
    layout_->addStretch(1);
    hide();
}

void FilterChips::showChips(const QStringList& texts) {
    texts_ = texts;
    while (layout_->count() > 1) {
        QLayoutItem* item = layout_->takeAt(0);
        delete item->widget();
        delete item;
    }
    for (int i = 0; i < texts.size(); ++i) {
        auto* chip = new QToolButton(this);
        chip->setObjectName(QStringLiteral("filterChip"));
        chip->setText(texts[i] + QStringLiteral("  \u2715"));
        chip->setToolTip(QStringLiteral("Remove this filter"));
        // Said without the cross, which is drawn for the eye.
        chip->setAccessibleName(texts[i]);
        chip->setFocusPolicy(Qt::StrongFocus);
        chip->setAutoRaise(false);
        connect(chip, &QToolButton::clicked, this, [this, i] { emit removeRequested(i); });
        layout_->insertWidget(i, chip);
    }
    setVisible(!texts.isEmpty());
}

} // namespace vendrix::gui
