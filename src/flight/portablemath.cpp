#include "portablemath.h"

#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace vendrix::flight::portable {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kRadiansPerDegree = kPi / 180.0;
// ln 2 split so that k * kLn2High is exact for the |k| < 1100 that exp and log meet.
constexpr double kLn2High = 6.93147180369123816490e-01;
constexpr double kLn2Low = 1.90821492927058770002e-10;

// Taylor coefficients in Horner order, computed by the compiler with IEEE division (so the same on
// every platform): sinTerms[j] = 1 / ((2j+2)(2j+3)), cosTerms[j] = 1 / ((2j+1)(2j+2)),
// oddTerms[j] = 1 / (2j+1).
constexpr int kSeriesTerms = 12;

constexpr std::array<double, kSeriesTerms> termsOf(int first) {
    std::array<double, kSeriesTerms> terms{};
    for (int j = 0; j < kSeriesTerms; ++j)
        terms[j] = first == 0 ? 1.0 / (2 * j + 1) : 1.0 / ((2 * j + first) * (2 * j + first + 1));
    return terms;
}

constexpr auto kSinTerms = termsOf(2);
constexpr auto kCosTerms = termsOf(1);
constexpr auto kOddTerms = termsOf(0);

constexpr std::array<double, 17> kReciprocals = [] {
    std::array<double, 17> r{};
    for (int n = 1; n < 17; ++n)
        r[n] = 1.0 / n;
    return r;
}();

// sin and cos of |x| <= pi/4 by their Taylor series in Horner form, to x^21 (the next term is below
// 1e-22).
double sinSeries(double x) {
    const double x2 = x * x;
    double p = 1.0;
    for (int j = 9; j >= 0; --j)
        p = 1.0 - x2 * kSinTerms[j] * p;
    return x * p;
}

double cosSeries(double x) {
    const double x2 = x * x;
    double p = 1.0;
    for (int j = 10; j >= 0; --j)
        p = 1.0 - x2 * kCosTerms[j] * p;
    return p;
}

// atan of 0 <= t <= 1: two halvings of the angle, tan(a/2) = t / (1 + sqrt(1 + t^2)), bring t below
// tan(pi/16) < 0.2, where the series t - t^3/3 + t^5/5 - ... to t^23 is within 1e-18.
double atanUnit(double t) {
    for (int i = 0; i < 2; ++i)
        t = t / (1.0 + std::sqrt(1.0 + t * t));
    const double t2 = t * t;
    double q = kOddTerms[11];
    for (int j = 10; j >= 0; --j)
        q = kOddTerms[j] - t2 * q;
    return 4.0 * t * q;
}

// Degrees reduced to a quarter turn n (0..3) and the remainder, in radians, within +-pi/4.
struct Quadrant {
    int n;
    double radians;
};

Quadrant quadrantOf(double degrees) {
    if (!std::isfinite(degrees)) // no quarter turn to convert to int; NaN comes out
        return {0, std::numeric_limits<double>::quiet_NaN()};
    const double turn = std::fmod(degrees, 360.0); // exact
    const double quarters = std::floor(turn / 90.0 + 0.5);
    const int n = static_cast<int>(quarters);
    return {((n % 4) + 4) % 4, (turn - 90.0 * quarters) * kRadiansPerDegree};
}

} // namespace

double sinDegrees(double degrees) {
    const Quadrant q = quadrantOf(degrees);
    switch (q.n) {
    case 0:
        return sinSeries(q.radians);
    case 1:
        return cosSeries(q.radians);
    case 2:
        return -sinSeries(q.radians);
    default:
        return -cosSeries(q.radians);
    }
}

double cosDegrees(double degrees) {
    const Quadrant q = quadrantOf(degrees);
    switch (q.n) {
    case 0:
        return cosSeries(q.radians);
    case 1:
        return -sinSeries(q.radians);
    case 2:
        return -cosSeries(q.radians);
    default:
        return sinSeries(q.radians);
    }
}

double directionDegrees(double x, double y) {
    const double ax = std::abs(x);
    const double ay = std::abs(y);
    if (ax == 0.0 && ay == 0.0)
        return 0.0;
    double angle = ax <= ay ? atanUnit(ax / ay) : kPi / 2.0 - atanUnit(ay / ax);
    if (y < 0.0)
        angle = kPi - angle;
    if (x < 0.0)
        angle = -angle;
    return angle / kRadiansPerDegree;
}

double exp(double x) {
    if (std::isnan(x))
        return x;
    if (x < -700.0)
        return 0.0;
    if (x > 700.0)
        return std::numeric_limits<double>::infinity();
    const double k = std::floor(x / (kLn2High + kLn2Low) + 0.5);
    const double r = (x - k * kLn2High) - k * kLn2Low; // |r| <= ln2 / 2
    double sum = 1.0;
    for (int n = 16; n >= 1; --n)
        sum = 1.0 + sum * r * kReciprocals[n];
    return std::ldexp(sum, static_cast<int>(k));
}

double log(double x) {
    if (!(x > 0.0))
        return std::numeric_limits<double>::quiet_NaN();
    if (std::isinf(x))
        return x;
    int e = 0;
    double m = std::frexp(x, &e); // exact: x = m * 2^e, 0.5 <= m < 1
    if (m < std::numbers::sqrt2 / 2.0) {
        m *= 2.0;
        --e;
    }
    // log m = 2 atanh(s) with s = (m - 1) / (m + 1), |s| < 0.172.
    const double s = (m - 1.0) / (m + 1.0);
    const double s2 = s * s;
    double q = kOddTerms[11];
    for (int j = 10; j >= 0; --j)
        q = kOddTerms[j] + s2 * q;
    return 2.0 * s * q + e * kLn2Low + e * kLn2High;
}

double pow(double base, double exponent) {
    return exp(exponent * log(base));
}

} // namespace vendrix::flight::portable
