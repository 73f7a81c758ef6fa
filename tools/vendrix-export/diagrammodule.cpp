// The diagram entry of the exporter's Qt module: draws PNG diagrams and the PDF sheet with the
// window's painter, with Qt started on its offscreen platform, which needs no display.
#include "diagrammodule.h"

#include "gui/diagram/parkdiagramfiles.h"
#include "moduleapplication.h"

#include <exception>
#include <type_traits>

namespace {

using namespace vendrix;

void draw(const exporter::DiagramRequest& request, exporter::DiagramResult& result) {
    const exporter::ModuleApplication application;
    if (request.writePngs) {
        const model::Season& season = *request.season;
        const parkshape::SeasonShapes shapes = parkshape::SeasonShapes::of(season);
        // A QPainter on an image of its own is safe off the GUI thread.
        const auto pngOf = [&](int row) {
            const QByteArray png =
                gui::ParkDiagramFiles::png(parkdrawing::DiagramContent::of(season.parkAtRow(row), shapes));
            return std::string(png.constData(), static_cast<std::size_t>(png.size()));
        };
        if (!request.writePngs(pngOf))
            return;
    }
    if (request.renderSheet) {
        const QByteArray pdf =
            gui::ParkDiagramFiles::sheet(*request.season, request.title, request.sheetProgress);
        result.sheet.assign(pdf.constData(), static_cast<std::size_t>(pdf.size()));
    }
}

} // namespace

#ifdef _WIN32
#define VENDRIX_EXPORTED __declspec(dllexport)
#else
#define VENDRIX_EXPORTED __attribute__((visibility("default")))
#endif

extern "C" VENDRIX_EXPORTED void vendrix_export_diagrams_v3(const vendrix::exporter::DiagramRequest& request,
                                                            vendrix::exporter::DiagramResult& result) {
    static_assert(std::is_same_v<decltype(&vendrix_export_diagrams_v3), vendrix::exporter::DiagramEntry>);
    try {
        draw(request, result);
    } catch (const std::exception& error) {
        result.error = error.what();
    }
}
