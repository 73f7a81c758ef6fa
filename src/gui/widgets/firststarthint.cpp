#include "firststarthint.h"

namespace vendrix::gui {

FirstStartHint::FirstStartHint(QWidget* parent) : QLabel(QString::fromLatin1(kText), parent) {
    setObjectName(QStringLiteral("firstStartHint"));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The desktop's colour for text that stands in for content, readable on light and dark themes.
    QPalette shades = palette();
    shades.setColor(QPalette::WindowText, shades.color(QPalette::PlaceholderText));
    setPalette(shades);
}

} // namespace vendrix::gui
