#pragma once

#include "parkdiagram.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <functional>
#include <string_view>

namespace vendrix::gui {

// A park diagram as a file: SVG and PNG of one park, a PDF sheet of every park of a season. All are the
// one drawing of parkdrawing::ParkDrawing, so every file shows what the window shows.
class ParkDiagramFiles {
public:
    static inline const QSize kDiagramSize{800, 680};
    static constexpr int kSheetColumns = 4;
    static constexpr int kSheetRows = 3;

    // The diagram laid out for `size`; a PNG of `scale` times its pixels (1, 2 or 4) shows the same
    // picture, sharper.
    static QByteArray svg(const ParkDiagram& diagram, QSize size = kDiagramSize, bool showAverage = true);
    static QImage image(const ParkDiagram& diagram, QSize size = kDiagramSize, int scale = 1,
                        bool showAverage = true);
    static QByteArray png(const ParkDiagram& diagram, QSize size = kDiagramSize, int scale = 1,
                          bool showAverage = true);

    // Asked after each park of the sheet with the parks done and all of them; false stops the sheet.
    using SheetProgress = std::function<bool(int parksDone, int parks)>;

    // Every park of the season at one scale, twelve to a landscape A4 page, each with its name, team and
    // fair area under it and the league average behind it, one legend a page; `title` (Windows-1252)
    // heads every page. Empty when `progress` stopped it; throws std::runtime_error when the document
    // cannot be made.
    static QByteArray sheet(const model::Season& season, std::string_view title,
                            const SheetProgress& progress = {});
};

} // namespace vendrix::gui
