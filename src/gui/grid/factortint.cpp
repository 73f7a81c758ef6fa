#include "factortint.h"

namespace vendrix::gui {

QColor toQColor(const model::Rgba& colour) {
    return {colour.red, colour.green, colour.blue, colour.alpha};
}

QColor factorTint(int factor) {
    const model::Rgba tint = model::factorTint(factor);
    return tint.alpha == 0 ? QColor() : toQColor(tint);
}

} // namespace vendrix::gui
