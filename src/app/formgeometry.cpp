#include "formgeometry.h"

#include <algorithm>
#include <cmath>

namespace vendrix::app {

int FormGeometry::pixels(int twips) const {
    return static_cast<int>(std::lround(twips * dotsPerInch_ / kTwipsPerInch));
}

QSize FormGeometry::designClientSize() const {
    return {pixels(kClientWidthTwips), pixels(kClientHeightTwips)};
}

QRect FormGeometry::place(const DesignControl& control, QSize clientSize) const {
    const QSize design = designClientSize();
    const int extraWidth = std::max(0, clientSize.width() - design.width());
    const int extraHeight = std::max(0, clientSize.height() - design.height());
    const TwipsRect& r = control.rect;
    QRect rect(pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height));
    switch (control.anchor) {
    case Anchor::Top:
        break;
    case Anchor::Bottom:
        rect.translate(0, extraHeight);
        break;
    case Anchor::GrowWidth:
        rect.setWidth(rect.width() + extraWidth);
        break;
    case Anchor::GrowBoth:
        rect.setSize(rect.size() + QSize(extraWidth, extraHeight));
        break;
    }
    return rect;
}

} // namespace vendrix::app
