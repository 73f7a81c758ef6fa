#pragma once

#include "parkdiagram.h"

#include <QColor>
#include <QRectF>

class QPainter;

namespace vendrix::gui {

// The one drawing of a park, used by the window's panel and by every file it is saved or exported
// to. Everything is drawn inside `area` and scaled to it; the field itself is drawn at the scale of
// the diagram's extent, so two parks of one season drawn in areas of one size compare foot by foot.
class ParkDiagramPainter {
public:
    enum class Detail {
        Full,     // name, team and area above; height legend; height strip below
        SheetCell // the field and the name under it, for a sheet of many parks
    };

    static void paint(QPainter& painter, const QRectF& area, const ParkDiagram& diagram, Detail detail);

    // The wall's colour for a height in feet: low walls cool, high walls warm.
    static QColor heightColour(double feet);
    static inline const QColor kComparedColour{123, 63, 179};
};

} // namespace vendrix::gui
