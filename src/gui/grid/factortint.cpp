#include "factortint.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vendrix::gui {

namespace {
constexpr int kStrongestAlpha = 150;
const QColor kBelow(0, 114, 178);
const QColor kAbove(230, 159, 0);
} // namespace

QColor factorTint(int factor) {
    const int distance = std::abs(factor - 100);
    if (distance == 0)
        return {};
    const double strength = std::min(1.0, static_cast<double>(distance) / kFactorTintSpan);
    QColor tint = factor < 100 ? kBelow : kAbove;
    // Even one point off neutral shows a trace of the hue.
    tint.setAlpha(std::max(12, static_cast<int>(std::lround(strength * kStrongestAlpha))));
    return tint;
}

} // namespace vendrix::gui
