#pragma once

#include <cmath>

namespace vendrix::flight {

// A point or a velocity in the field's frame: feet (or feet per second), x towards the right-field
// side, y towards centre field, z up, home plate at the origin. Only +, -, * and the correctly rounded
// square root are used, so every platform gets the same bits.
struct Vector3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    constexpr Vector3 operator+(const Vector3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    constexpr Vector3 operator-(const Vector3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    constexpr Vector3 operator*(double k) const { return {x * k, y * k, z * k}; }
    constexpr double dot(const Vector3& o) const { return x * o.x + y * o.y + z * o.z; }
    constexpr Vector3 cross(const Vector3& o) const {
        return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x};
    }
    double length() const { return std::sqrt(dot(*this)); }
    // The distance from home plate along the ground.
    double groundDistance() const { return std::sqrt(x * x + y * y); }

    constexpr bool operator==(const Vector3&) const = default;
};

} // namespace vendrix::flight
