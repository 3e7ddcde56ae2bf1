#include "framework/core/Math.h"

#include <cmath>

namespace fw {

double Log(double x) {
    return std::log(x);
}
double Exp(double x) {
    return std::exp(x);
}
double Sqrt(double x) {
    return std::sqrt(x);
}
double ATan(double x) {
    return std::atan(x);
}
double Sin(double x) {
    return std::sin(x);
}
double Cos(double x) {
    return std::cos(x);
}
double Abs(double x) {
    return std::fabs(x);
}
double Floor(double x) {
    return std::floor(x);
}

int64_t TruncToInt64(double x) {
    // 2^63 is exact as a double; every double below it and at or above -2^63
    // truncates to a value in range.
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (std::isnan(x)) {
        return 0;
    }
    if (x >= kTwoTo63) {
        return INT64_MAX;
    }
    if (x < -kTwoTo63) {
        return INT64_MIN;
    }
    return static_cast<int64_t>(x);
}

}  // namespace fw
