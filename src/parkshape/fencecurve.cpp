#include "fencecurve.h"

#include <algorithm>
#include <cmath>

namespace vendrix::parkshape {

namespace {

int signOf(double value) {
    return (value > 0) - (value < 0);
}

// The slope at an end from the three points nearest it, set to zero when it would turn against the
// first interval, and held to three times the interval's secant when the data turn at the next point;
// both keep the end interval monotone.
double endSlope(double nearSecant, double farSecant) {
    const double slope = (3.0 * nearSecant - farSecant) / 2.0; // equal steps: ((2h+h)d0 - h d1) / 2h
    if (signOf(slope) != signOf(nearSecant))
        return 0.0;
    if (signOf(nearSecant) != signOf(farSecant) && std::abs(slope) > std::abs(3.0 * nearSecant))
        return 3.0 * nearSecant;
    return slope;
}

} // namespace

FenceCurve::FenceCurve(const std::array<double, kPointCount>& values, double firstAngle, double step)
    : values_(values), firstAngle_(firstAngle), step_(step) {
    std::array<double, kPointCount - 1> secants{};
    for (int i = 0; i + 1 < kPointCount; ++i)
        secants[i] = (values_[i + 1] - values_[i]) / step_;
    // Inside: zero at a local extreme, else the harmonic mean of the two secants, which never
    // exceeds three times either of them and so keeps both neighbouring pieces monotone.
    for (int i = 1; i + 1 < kPointCount; ++i) {
        const double before = secants[i - 1];
        const double after = secants[i];
        slopes_[i] = before * after <= 0.0 ? 0.0 : 2.0 / (1.0 / before + 1.0 / after);
    }
    slopes_[0] = endSlope(secants[0], secants[1]);
    slopes_[kPointCount - 1] = endSlope(secants[kPointCount - 2], secants[kPointCount - 3]);
}

double FenceCurve::valueAt(double angle) const {
    const double position = std::clamp((angle - firstAngle_) / step_, 0.0, double(kPointCount - 1));
    const int i = std::min(static_cast<int>(position), kPointCount - 2);
    const double t = position - i;
    const double t2 = t * t;
    const double t3 = t2 * t;
    // Cubic Hermite basis on the interval [i, i + 1].
    return (2 * t3 - 3 * t2 + 1) * values_[i] + (t3 - 2 * t2 + t) * step_ * slopes_[i] +
           (-2 * t3 + 3 * t2) * values_[i + 1] + (t3 - t2) * step_ * slopes_[i + 1];
}

double FenceCurve::integralOfSquare() const {
    // Four-point Gauss-Legendre nodes and weights on [-1, 1].
    constexpr double a = 0.3399810435848563;
    constexpr double b = 0.8611363115940526;
    constexpr double wa = 0.6521451548625461;
    constexpr double wb = 0.3478548451374538;
    constexpr std::array<double, 4> nodes{-b, -a, a, b};
    constexpr std::array<double, 4> weights{wb, wa, wa, wb};
    double sum = 0.0;
    for (int i = 0; i + 1 < kPointCount; ++i) {
        const double middle = firstAngle_ + step_ * (i + 0.5);
        for (std::size_t k = 0; k < nodes.size(); ++k) {
            const double value = valueAt(middle + nodes[k] * step_ / 2.0);
            sum += weights[k] * value * value;
        }
    }
    return sum * step_ / 2.0;
}

} // namespace vendrix::parkshape
