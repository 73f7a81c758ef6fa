#include "form1.h"
#include "platform/reportprinter.h"
#include "platform/systemfiledialog.h"
#include "platform/systemmessagebox.h"
#include "platform/systemvolumes.h"

#include <QApplication>
#include <QIcon>

namespace {

// Stands in until the system printer adapter is part of the build.
class UnavailablePrinter : public vendrix::platform::ReportPrinter {
public:
    void print(const vendrix::output::PrintedReport&) override {
        throw vendrix::platform::PrintError("Printing is not available in this build.");
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vendrix"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vendrix/vendrix.png")));

    vendrix::platform::SystemMessageBox messages;
    vendrix::platform::SystemFileDialog fileDialog;
    UnavailablePrinter printer;
    vendrix::platform::SystemVolumes volumes;

    vendrix::app::Form1 window({messages, fileDialog, printer, volumes});
    QObject::connect(&window, &vendrix::app::Form1::exitRequested, &application,
                     [] { QCoreApplication::exit(0); });
    window.load();
    window.show();
    return QApplication::exec();
}
