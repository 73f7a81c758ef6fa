#pragma once

// The one entry point between the exporter and its print module. The module holds everything that
// needs Qt, so writing CSV and text loads no Qt library; it is loaded only for --pdf and --print.
// Both sides are built together from this header.

#include "output/printedreport.h"

#include <string>

namespace vendrix::exporter {

struct PrintRequest {
    const output::PrintedReport* report = nullptr;
    bool renderPdf = false;
    bool printOnDefaultPrinter = false;
};

struct PrintResult {
    std::string pdf;        // the rendered document, when asked for and rendered
    std::string pdfError;   // why the document could not be rendered; empty when it was
    std::string printError; // why the printer did not take the job; empty when it did
};

using PrintEntry = void (*)(const PrintRequest& request, PrintResult& result);

// The name the module exports its entry under; it changes whenever the structures above do.
inline constexpr const char* kPrintEntryName = "vendrix_export_print_v1";

} // namespace vendrix::exporter
