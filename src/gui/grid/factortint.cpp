#include "factortint.h"

#include "parktable/columntexts.h"

namespace vendrix::gui {

QColor factorTint(int factor) {
    const int alpha = parktable::factorTintAlpha(factor);
    if (alpha == 0)
        return {};
    const parktable::Rgb& hue = factor < 100 ? parktable::kFactorBelow : parktable::kFactorAbove;
    return {hue.red, hue.green, hue.blue, alpha};
}

} // namespace vendrix::gui
