#include "tints.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vendrix::model {

Rgba factorTint(int factor) {
    constexpr int kStrongestAlpha = 150;
    Rgba tint = factor < kNeutralFactor ? kFactorBelow : kFactorAbove;
    const int distance = std::abs(factor - kNeutralFactor);
    if (distance == 0) {
        tint.alpha = 0;
        return tint;
    }
    const double strength = std::min(1.0, static_cast<double>(distance) / kFactorTintSpan);
    // Even one point off neutral shows a trace of the hue.
    tint.alpha = std::max(12, static_cast<int>(std::lround(strength * kStrongestAlpha)));
    return tint;
}

} // namespace vendrix::model
