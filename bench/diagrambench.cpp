// One park's diagram drawn as the window's panel draws it when the current row moves, on Qt's
// offscreen platform; parks taken in turn from the 32,767-park season. The SVG is drawingbench's.
#include "benchseason.h"
#include "gui/diagram/parkdiagrampainter.h"
#include "parkshape/seasonshapes.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <optional>

namespace {

using namespace vendrix;

template <typename Draw> void drawParksInTurn(benchmark::State& state, Draw draw) {
    const parktable::ParkTable* table = bench::benchTable();
    if (table == nullptr || table->parkCount() != bench::kBenchParks) {
        state.SkipWithError("the table was not built whole");
        return;
    }
    const parkshape::SeasonShapes season = parkshape::SeasonShapes::of(*table);
    int row = parktable::kFirstParkRow;
    for (auto _ : state) {
        draw(gui::ParkDiagram::ofRow(*table, row, season));
        row = row + 1 < table->rowCount() ? row + 1 : parktable::kFirstParkRow;
    }
}

// The panel's size in a window of 1500 by 760 pixels.
void BM_DrawParkDiagram(benchmark::State& state) {
    QImage image(680, 560, QImage::Format_RGB32);
    drawParksInTurn(state, [&](const gui::ParkDiagram& diagram) {
        QPainter painter(&image);
        gui::ParkDiagramPainter::paint(painter, QRectF(image.rect()), diagram,
                                       gui::ParkDiagramPainter::Detail::Full);
    });
}
BENCHMARK(BM_DrawParkDiagram)->Unit(benchmark::kMillisecond);

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
