// Get Park Info on a season of 32,767 parks, from the press of the button to the table
// painted in the grid, and a drag of the Fly ball bar's direction over the same table, on Qt's
// offscreen platform.
#include "app/form1.h"
#include "benchseason.h"
#include "gui/flyball/flyballbar.h"
#include "gui/flyball/flyballcontroller.h"
#include "gui/folders/folderlist.h"
#include "gui/grid/parkgrid.h"
#include "heapcounter.h"
#include "model/viewcolumns.h"

#include <QApplication>
#include <QPushButton>
#include <QSlider>
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

// The window shown, with stand-ins for what asks the user, in a working folder of its own, where it
// keeps ParkDir.txt.
struct BenchWindow {
    BenchWindow() {
        window.load();
        window.show();
        shown = QTest::qWaitForWindowExposed(&window);
    }

    static std::filesystem::path enterWorkFolder() {
        const auto folder = std::filesystem::temp_directory_path() / "vendrix-bench-window";
        std::filesystem::create_directories(folder);
        std::filesystem::current_path(folder);
        return folder;
    }

    std::filesystem::path work = enterWorkFolder(); // before the window, which starts in it
    SilentMessages messages;
    NoDialog dialog;
    NoPrinter printer;
    RootOnly volumes;
    vendrix::app::Form1 window{{messages, dialog, printer, volumes}};
    bool shown = false;
};

void BM_GetParkInfoShown(benchmark::State& state) {
    const auto season = std::filesystem::absolute(vendrix::bench::benchSeason());
    BenchWindow bench;
    vendrix::app::Form1& window = bench.window;
    const auto& work = bench.work;
    const SilentMessages& messages = bench.messages;
    if (!bench.shown) {
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

// One step of a drag of the direction slider: the ball judged in all 32,767 parks, the table's column,
// the count and the diagram brought up to date and the window repainted; with argument 1 the table is
// sorted by the Fly ball column, whose rows then follow the ball. The shape factors are worked out
// first, so that their thread does not share the cores with the timing.
void BM_FlyBallDragged(benchmark::State& state) {
    const auto season = std::filesystem::absolute(vendrix::bench::benchSeason());
    BenchWindow bench;
    vendrix::app::Form1& window = bench.window;
    if (!bench.shown || !window.folderList().setPath(qpath(season))) {
        state.SkipWithError("the window was not shown");
        return;
    }
    window.getParkInfoButton().click();
    window.flyBall().showAction().trigger();
    if (!QTest::qWaitFor([&] { return window.flyBall().hasShapeFactors(); }, 60000)) {
        state.SkipWithError("the shape factors did not come");
        return;
    }
    if (state.range(0) == 1)
        window.grid().activateCaption(vendrix::model::viewcol::flyBall);
    QSlider& direction = window.flyBallBar().directionSlider();
    int step = 0;
    for (auto _ : state) {
        direction.setValue(-40 + (step++ % 81));
        window.repaint();
        QApplication::processEvents();
    }
    if (!window.flyBall().carry() || window.flyBall().carry()->parkCount() != vendrix::bench::kBenchParks)
        state.SkipWithError("the ball was not judged in every park");
}
BENCHMARK(BM_FlyBallDragged)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

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
