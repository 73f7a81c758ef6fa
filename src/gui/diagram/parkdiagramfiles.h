#pragma once

#include "parkdiagram.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <functional>
#include <string_view>

namespace vendrix::gui {

// A park diagram as a file: SVG and PNG of one park, a PDF sheet of every park of a season. All draw
// with ParkDiagramPainter, so every file shows what the window shows.
class ParkDiagramFiles {
public:
    static inline const QSize kDiagramSize{800, 680};
    static constexpr int kSheetColumns = 4;
    static constexpr int kSheetRows = 3;

    static constexpr const char* kNoSvgMessage =
        "This build of Vendrix cannot write SVG files (it was built without Qt Svg); PNG and PDF work.";
    // False in a build without Qt Svg: svg() then throws std::runtime_error with kNoSvgMessage.
    static bool canWriteSvg();
    static QByteArray svg(const ParkDiagram& diagram, QSize size = kDiagramSize);
    static QImage image(const ParkDiagram& diagram, QSize size = kDiagramSize);
    static QByteArray png(const ParkDiagram& diagram, QSize size = kDiagramSize);

    // Every park of the table at one scale, twelve to a landscape A4 page, each under its name with
    // the league average behind it; `title` (Windows-1252) heads every page. Throws std::runtime_error
    // when the document cannot be made.
    static QByteArray sheet(const parktable::ParkTable& table, std::string_view title);
};

} // namespace vendrix::gui
