// One park's diagram drawn as the window's panel draws it when the current row moves, on Qt's
// offscreen platform; parks taken in turn from the 32,767-park season. The SVG is drawingbench's.
#include "gui/diagram/parkdiagrampainter.h"
#include "parkshape/seasonshapes.h"
#include "parksinturn.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <optional>

namespace {

using namespace vendrix;

// The panel's size in a window of 1500 by 760 pixels.
void BM_DrawParkDiagram(benchmark::State& state) {
    QImage image(680, 560, QImage::Format_RGB32);
    bench::drawParksInTurn(state, [&](const gui::ParkDiagram& diagram) {
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
