// The diagram entry of the exporter's Qt module: draws each park with the window's painter, with Qt
// started on its offscreen platform, which needs no display.
#include "diagrammodule.h"

#include "platform/parkdiagramfiles.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <type_traits>

namespace {

using namespace vendrix;

// Qt's own notes mean nothing to the exporter's user; failures reach the user through the result.
void keepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "vendrix-export: %s\n", qPrintable(message));
}

void draw(const exporter::DiagramRequest& request, exporter::DiagramResult& result) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(keepQtQuiet);
    static int argc = 1;
    static char name[] = "vendrix-export";
    static char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    const parktable::ParkTable& table = *request.table;
    if (request.deliverSvg) {
        const parkshape::SeasonShapes season = parkshape::SeasonShapes::of(table);
        for (int row = parktable::kFirstParkRow; row < table.rowCount(); ++row) {
            const QByteArray svg =
                platform::ParkDiagramFiles::svg(platform::ParkDiagram::ofRow(table, row, season));
            if (!request.deliverSvg(row,
                                    std::string_view(svg.constData(), static_cast<std::size_t>(svg.size()))))
                return;
        }
    }
    if (request.renderSheet) {
        const QByteArray pdf = platform::ParkDiagramFiles::sheet(table, request.title);
        result.sheet.assign(pdf.constData(), static_cast<std::size_t>(pdf.size()));
    }
}

} // namespace

extern "C" __attribute__((visibility("default"))) void
vendrix_export_diagrams_v1(const vendrix::exporter::DiagramRequest& request,
                           vendrix::exporter::DiagramResult& result) {
    static_assert(std::is_same_v<decltype(&vendrix_export_diagrams_v1), vendrix::exporter::DiagramEntry>);
    try {
        draw(request, result);
    } catch (const std::exception& error) {
        result.error = error.what();
    }
}
