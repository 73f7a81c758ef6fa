// The park outline from any fourteen measures: the 21 bytes of a park record that hold them (seven
// little-endian 16-bit distances, seven height bytes). Checks what every drawing relies on.
#include "parkshape/parkshape.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vendrix::parkshape;
    if (size < 21)
        return 0;
    FenceMeasures measures;
    for (int i = 0; i < kFencePointCount; ++i) {
        measures.distance[i] = static_cast<std::int16_t>(data[2 * i] | (data[2 * i + 1] << 8));
        measures.height[i] = data[14 + i];
    }
    const ParkShape shape(measures);
    int shortest = 999;
    int longest = 1;
    bool drawable = true;
    for (const FencePoint& point : shape.points()) {
        drawable = drawable && point.distance >= 1 && point.distance <= 999;
        shortest = std::min(shortest, point.distance);
        longest = std::max(longest, point.distance);
        // Every point, drawable or not, stays on the page.
        if (!(std::hypot(point.at.x, point.at.y) <= 999.0 + 1e-6))
            std::abort();
    }
    if (drawable != shape.isDrawable() || drawable != shape.fairAreaSquareFeet().has_value())
        std::abort();
    if (!drawable)
        return shape.wall(8).empty() ? 0 : (std::abort(), 0);
    // The area lies between the quarter circles of the shortest and the longest distance.
    const double area = *shape.fairAreaSquareFeet();
    const double quarter = std::numbers::pi / 4.0;
    if (!(area >= quarter * shortest * shortest * (1 - 1e-9) &&
          area <= quarter * longest * longest * (1 + 1e-9)))
        std::abort();
    for (const PlanePoint& p : shape.wall(8)) {
        const double r = std::hypot(p.x, p.y);
        if (!(r >= shortest - 1e-6 && r <= longest + 1e-6))
            std::abort();
    }
    return 0;
}
