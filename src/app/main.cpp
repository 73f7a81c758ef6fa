#include "form1.h"
#include "platform/systemfiledialog.h"
#include "platform/systemmessagebox.h"
#include "platform/systemprinter.h"
#include "platform/systemvolumes.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vendrix"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vendrix/vendrix.png")));

    vendrix::platform::SystemMessageBox messages;
    vendrix::platform::SystemFileDialog fileDialog;
    vendrix::platform::SystemPrinter printer;
    vendrix::platform::SystemVolumes volumes;

    vendrix::app::Form1 window({messages, fileDialog, printer, volumes});
    QObject::connect(&window, &vendrix::app::Form1::exitRequested, &application,
                     [] { QCoreApplication::exit(0); });
    window.load();
    window.show();
    return QApplication::exec();
}
