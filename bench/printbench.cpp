// The printed report of a 32,767-park season drawn into a PDF document in memory, every page, as
// Print Park Info's PDF printer and vendrix-export --pdf do, on Qt's offscreen platform.
#include "benchseason.h"
#include "gui/print/pdfprinter.h"
#include "heapcounter.h"
#include "output/printedreport.h"
#include "season/seasonfiles.h"
#include "season/seasonscan.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

void BM_RenderPdf(benchmark::State& state) {
    const vendrix::model::Season* season = vendrix::bench::benchSeasonModel();
    if (season == nullptr || season->parkCount() != vendrix::bench::kBenchParks) {
        state.SkipWithError("the season was not loaded whole");
        return;
    }
    const auto report =
        vendrix::output::layoutPrintedReport(*vendrix::bench::benchTable(), season->caption());
    // The first document loads the fonts; a one-page one keeps that out of the measurement.
    vendrix::gui::PdfPrinter::render(vendrix::output::layoutPrintedReport(
        vendrix::parktable::ParkTable(vendrix::model::Season()), season->caption()));

    std::size_t peak = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        vendrix::bench::HeapPeakScope heap;
        const QByteArray pdf = vendrix::gui::PdfPrinter::render(report);
        peak = heap.peakGrowth();
        bytes = static_cast<std::size_t>(pdf.size());
    }
    state.counters["peak_MB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
    state.counters["size"] = static_cast<double>(bytes);
}
BENCHMARK(BM_RenderPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
