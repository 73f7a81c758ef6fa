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

QSize FormGeometry::minimumClientSize(int buttonWidthNeeded) const {
    const QSize design = designClientSize();
    const double buttonShare = static_cast<double>(buttonWidthNeeded) / pixels(design::kButtonWidthTwips);
    const double widthShare = std::clamp(buttonShare, kMinimumWidthShare, 1.0);
    return {static_cast<int>(std::ceil(design.width() * widthShare)),
            static_cast<int>(std::ceil(design.height() * kMinimumHeightShare))};
}

QRect FormGeometry::place(const DesignControl& control, QSize clientSize) const {
    const QSize design = designClientSize();
    const TwipsRect& r = control.rect;
    const Growth& g = control.growth;
    double left = pixels(r.left);
    double width = pixels(r.width);
    double top = pixels(r.top);
    double height = pixels(r.height);

    const int extraWidth = clientSize.width() - design.width();
    if (extraWidth >= 0) {
        left += g.left * extraWidth;
        width += g.width * extraWidth;
    } else {
        const double scale = static_cast<double>(clientSize.width()) / design.width();
        left *= scale;
        width *= scale;
    }
    const int extraHeight = clientSize.height() - design.height();
    if (extraHeight >= 0) {
        top += g.top * extraHeight;
        height += g.height * extraHeight;
    } else if (g.belowTable) {
        top += extraHeight;
    } else if (g.isTable) {
        height += extraHeight;
    }
    const int x = static_cast<int>(std::lround(left));
    const int y = static_cast<int>(std::lround(top));
    return {x, y, static_cast<int>(std::lround(left + width)) - x,
            static_cast<int>(std::lround(top + height)) - y};
}

QRect FormGeometry::widenToFit(const QRect& box, int contentWidth, const QRect& bounds) {
    if (contentWidth <= box.width())
        return box;
    const int width = std::min(contentWidth, bounds.width());
    const int left = std::clamp(box.center().x() - width / 2, bounds.left(), bounds.right() + 1 - width);
    return {left, box.top(), width, box.height()};
}

} // namespace vendrix::app
