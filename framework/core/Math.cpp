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

}  // namespace fw
