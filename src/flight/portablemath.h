#pragma once

namespace vendrix::flight::portable {

// Elementary functions built from +, -, *, / and the square root alone, which IEEE 754 rounds the same
// everywhere: the C libraries of Linux and Windows round sin, exp or pow differently in the last bit,
// and a flight integrated over hundreds of steps would carry that into the tenths of a foot that the
// exports print. Accurate to a few units in the last place over the ranges a flight uses.

// Sine and cosine of an angle in degrees (NaN for an infinite or NaN one).
double sinDegrees(double degrees);
double cosDegrees(double degrees);

// The angle in degrees (-180..180] of the point (x, y) from the +y axis towards +x: the field's
// direction convention (0 towards centre field, +45 the right-field line). 0 for the origin.
double directionDegrees(double x, double y);

// e^x; 0 below -700 and infinity above 700, as no flight needs either.
double exp(double x);

// The natural logarithm of x > 0 (NaN otherwise).
double log(double x);

// base^exponent for base > 0.
double pow(double base, double exponent);

} // namespace vendrix::flight::portable
