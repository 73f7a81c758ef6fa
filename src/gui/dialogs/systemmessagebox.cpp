#include "systemmessagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace vendrix::gui {

void SystemMessageBox::show(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kMessageTitle), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    // Season and file names are shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool SystemMessageBox::ask(const QString& question) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kMessageTitle), question,
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace vendrix::gui
