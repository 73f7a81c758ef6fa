// The exporter's print module: renders the printed report to PDF and prints it, with Qt started
// on its offscreen platform, which needs no display.
#include "printmodule.h"

#include "platform/pdfprinter.h"
#include "platform/reportprinter.h"
#include "platform/systemprinter.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <type_traits>

namespace {

using namespace vendrix;

void usePlatformWithoutDisplay() {
#ifndef _WIN32
    // The exporter shows no window, and an unreachable display (a stale DISPLAY over ssh) must not
    // stop it; offscreen also gives the same fonts and output in every session. A platform that
    // the user chose stays. Windows always has its desktop, and its fonts are the system's.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
#endif
}

// Qt's own notes (a missing runtime folder, font fallbacks) mean nothing to the exporter's user and
// would mix with its messages; failures reach the user through the results.
void keepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "vendrix-export: %s\n", qPrintable(message));
}

void print(const exporter::PrintRequest& request, exporter::PrintResult& result) {
    usePlatformWithoutDisplay();
    qInstallMessageHandler(keepQtQuiet);
    static int argc = 1;
    static char name[] = "vendrix-export";
    static char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    const output::PrintedReport& report = *request.report;
    if (request.renderPdf) {
        try {
            const QByteArray pdf = platform::PdfPrinter::render(report);
            result.pdf.assign(pdf.constData(), static_cast<std::size_t>(pdf.size()));
        } catch (const std::exception& error) {
            result.pdfError = error.what();
        }
    }
    if (request.printOnDefaultPrinter) {
        try {
            platform::SystemPrinter printer;
            printer.print(report);
        } catch (const std::exception& error) {
            result.printError = error.what();
        }
    }
}

} // namespace

#ifdef _WIN32
#define VENDRIX_EXPORTED __declspec(dllexport)
#else
#define VENDRIX_EXPORTED __attribute__((visibility("default")))
#endif

extern "C" VENDRIX_EXPORTED void vendrix_export_print_v1(const vendrix::exporter::PrintRequest& request,
                                                         vendrix::exporter::PrintResult& result) {
    static_assert(std::is_same_v<decltype(&vendrix_export_print_v1), vendrix::exporter::PrintEntry>);
    // Each output catches its own failures; what gets here stopped Qt from starting at all.
    try {
        print(request, result);
    } catch (const std::exception& error) {
        const std::string reason = std::string("Qt could not start: ") + error.what();
        if (request.renderPdf)
            result.pdfError = reason;
        if (request.printOnDefaultPrinter)
            result.printError = reason;
    }
}
