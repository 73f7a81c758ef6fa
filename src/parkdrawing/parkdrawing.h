#pragma once

#include "diagramcontent.h"
#include "drawing.h"

// A park diagram laid out as a Drawing: the one place that decides where everything goes, for the
// window, PNG, PDF and SVG alike. Every park of a season drawn at one size compares foot by foot,
// since the field is drawn at the scale of the content's extent.
namespace vendrix::parkdrawing {

struct DrawingOptions {
    enum class Detail {
        Full,     // name, team and area above; the legend; the height strip below
        SheetCell // the field with the name, team and area under it, for a page of many parks
    };
    Detail detail = Detail::Full;
    double width = 800.0;
    double height = 680.0;
    bool showAverage = true; // the league-average outline behind the park
};

class ParkDrawing {
public:
    static Drawing draw(const DiagramContent& content, const DrawingOptions& options);

    // The legend a page of sheet cells shares: the wall-height colours and, when drawn, the league
    // average under the name given, in one row fitted into `width` by `height`.
    static Drawing sheetLegend(double width, double height, bool showAverage,
                               const std::string& averageName = "League average");

    // "Fair area: 123,456 sq ft", or why there is none.
    static std::string fairAreaText(const parkshape::ParkShape& shape);
};

} // namespace vendrix::parkdrawing
