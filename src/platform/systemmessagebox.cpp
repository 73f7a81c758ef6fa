#include "systemmessagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace vendrix::platform {

void SystemMessageBox::show(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kMessageTitle), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    // Season and file names are shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace vendrix::platform
