// Get Park Info on a season of 32,767 parks, from the press of the button to the table
// painted in the grid, on Qt's offscreen platform.
#include "app/form1.h"
#include "benchseason.h"
#include "gui/folders/folderlist.h"
#include "gui/grid/parkgrid.h"
#include "heapcounter.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

class SilentMessages : public vendrix::gui::AppMessageBox {
public:
    void show(const QString& text) override { last = text; }
    bool ask(const QString&) override { return false; }
    QString last;
};
class NoDialog : public vendrix::gui::FileDialog {
public:
    std::filesystem::path chooseFile(const vendrix::gui::FileFilter&, const std::filesystem::path&) override {
        return {};
    }
};
class NoPrinter : public vendrix::gui::ReportPrinter {
public:
    vendrix::gui::PrintJob print(const vendrix::output::PrintedReport&) override { return {}; }
    using ReportPrinter::print;
};
class RootOnly : public vendrix::gui::VolumeSource {
public:
    std::vector<vendrix::gui::Volume> readyVolumes() override { return {{QStringLiteral("/"), {}}}; }
    bool isReady(const QString&) override { return true; }
};

QString qpath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

void BM_GetParkInfoShown(benchmark::State& state) {
    const auto season = std::filesystem::absolute(vendrix::bench::benchSeason());
    const auto work = std::filesystem::temp_directory_path() / "vendrix-bench-window";
    std::filesystem::create_directories(work);
    std::filesystem::current_path(work); // the window keeps ParkDir.txt here

    SilentMessages messages;
    NoDialog dialog;
    NoPrinter printer;
    RootOnly volumes;
    vendrix::app::Form1 window({messages, dialog, printer, volumes});
    window.load();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was not shown");
        return;
    }

    std::size_t peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // Only a scan of a complete season enables the button again.
        window.folderList().setPath(qpath(work));
        window.folderList().setPath(qpath(season));
        QApplication::processEvents();
        state.ResumeTiming();

        vendrix::bench::HeapPeakScope heap;
        window.getParkInfoButton().click();
        window.repaint();
        QApplication::processEvents();
        peak = heap.peakGrowth();
    }
    const auto* table = window.grid().table();
    if (!table || table->parkCount() != vendrix::bench::kBenchParks || !messages.last.isEmpty())
        state.SkipWithError("the table was not shown whole");
    state.counters["peak_MB"] = static_cast<double>(peak) / (1024.0 * 1024.0);
}
BENCHMARK(BM_GetParkInfoShown)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
