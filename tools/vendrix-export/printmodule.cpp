// The exporter's print module: renders the printed report to PDF and prints it, with Qt started
// on its offscreen platform, which needs no display.
#include "printmodule.h"

#include "gui/print/pdfprinter.h"
#include "gui/print/reportprinter.h"
#include "gui/print/systemprinter.h"
#include "moduleapplication.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <type_traits>

namespace {

using namespace vendrix;

void print(const exporter::PrintRequest& request, exporter::PrintResult& result) {
    const exporter::ModuleApplication application;
    const output::PrintedReport& report = *request.report;
    if (request.renderPdf) {
        try {
            const QByteArray pdf = gui::PdfPrinter::render(report);
            result.pdf.assign(pdf.constData(), static_cast<std::size_t>(pdf.size()));
        } catch (const std::exception& error) {
            result.pdfError = error.what();
        }
    }
    if (request.printOnDefaultPrinter) {
        try {
            gui::SystemPrinter printer;
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
