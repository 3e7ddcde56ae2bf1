#pragma once
// The math functions, the C++ library's. None of them raises an error: Log(0)
// is minus infinity and Exp of minus infinity (or of anything far below the
// double range) is 0.
#include <cstdint>

namespace fw {

double Log(double x);    // natural logarithm
double Exp(double x);    // e raised to x
double Sqrt(double x);   // square root
double ATan(double x);   // arc tangent, in radians
double Sin(double x);    // sine of an angle in radians
double Cos(double x);    // cosine of an angle in radians
double Abs(double x);    // absolute value
double Floor(double x);  // largest whole number not above x

// x truncated toward zero to a 64-bit signed integer. A value beyond the
// 64-bit range saturates at the nearest end (it never wraps into the range);
// NaN gives 0. Never undefined behaviour.
int64_t TruncToInt64(double x);

}  // namespace fw
