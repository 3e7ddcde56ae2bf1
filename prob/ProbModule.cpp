#include "prob/ProbModule.h"

#include <cmath>
#include <cstdint>

#include "framework/core/BackgroundTask.h"
#include "framework/core/Math.h"

// Every expression below is evaluated in the order and grouping written (the
// target is built without FMA contraction): regrouping changes the last bits of
// the results, and the known values must come out exactly.

namespace ProbModule {

namespace {

constexpr double kCap = 0.9999;

double Capped(double r) {
    if (r > kCap) {
        r = kCap;
    }
    return r;
}

}  // namespace

namespace detail {

double lngamma(double xx) {
    const double x = xx - 1.0;
    double tmp = x + 5.5;
    tmp = (x + 0.5) * fw::Log(tmp) - tmp;
    double ser = 1.0 + 76.18009173 / (x + 1.0);
    ser = ser + (-86.50532033) / (x + 2.0);
    ser = ser + 24.01409822 / (x + 3.0);
    ser = ser + (-1.231739516) / (x + 4.0);
    ser = ser + 0.00120858 / (x + 5.0);
    ser = ser + (-5.364e-06) / (x + 6.0);
    return tmp + fw::Log(2.506628275 * ser);
}

}  // namespace detail

double zprob(double z) {
    constexpr double kDensityAt0 = 0.3989422804014327;  // 1 / sqrt(2 pi)
    z = fw::Abs(z);
    double p;  // area under the density between 0 and z
    if (z > 6.8) {
        // Asymptotic tail: q is the one-tailed area beyond z.
        const double z2 = z * z;
        const double f = 1.0 - 1.0 / ((z2 + 3.0) - 1.0 / (0.22 * z2 + 0.704));
        const double q = ((kDensityAt0 * fw::Exp(-z2 / 2.0)) * f) / z;
        p = 0.5 - q;
    } else {
        // Kerridge-Cook series: a and b run through u(0) = 1, u(1) = q,
        // u(k) = (u(k-1) - u(k-2)) q / k; s sums u(0)/1 + u(2)/3 + u(4)/5 + ...
        // until a pass leaves it unchanged.
        const double q = (z * z) / 4.0;
        double a = 1.0;
        double b = q;
        double s = 1.0;
        double prev = 0.0;
        int64_t k = 2;
        for (;;) {
            a = ((b - a) * q) / static_cast<double>(k);
            k = k + 1;
            s = a / static_cast<double>(k) + s;
            if (s == prev) {
                break;
            }
            b = ((a - b) * q) / static_cast<double>(k);
            k = k + 1;
            prev = s;
        }
        p = ((kDensityAt0 * z) * fw::Exp(-q / 2.0)) * s;
    }
    const double r = (0.5 - p) * 2.0;
    return Capped(r);
}

double tprob(double t, double df) {
    const int64_t n = fw::TruncToInt64(df);
    const double nd = static_cast<double>(n);
    const double at = fw::Abs(t);
    const double theta = fw::ATan(at / fw::Sqrt(nd));
    const double s = fw::Sin(theta);
    const double c = fw::Cos(theta);
    const int64_t odd = fw::TruncToInt64(nd - 2.0 * fw::Floor(nd / 2.0));

    // Finite series in theta: A is the probability inside (-t, t).
    double A;
    double term = 0.0;
    int64_t i = 0;
    int64_t j = 0;
    int64_t m = 0;  // passes of the loop below; n of 3 or less has none
    if (odd == 1) {
        A = theta;
        if (n != 1) {
            term = s * c;
            A = term + A;
            if (n > 3) {
                i = 0;
                j = 1;
                m = fw::TruncToInt64(static_cast<double>(n - 3) / 2.0);
            }
        }
    } else {
        A = s;
        if (n != 2) {
            term = s;
            i = -1;
            j = 0;
            if (n > 2) {
                m = fw::TruncToInt64(static_cast<double>(n - 2) / 2.0);
            }
        }
    }
    for (int64_t pass = 1; pass <= m; ++pass) {
        i = i + 2;
        j = j + 2;
        term = (((term * c) * c) * static_cast<double>(i)) / static_cast<double>(j);
        A = term + A;
        fw::RuntimeBackgroundTask();
    }

    // 0.36338023 stands in for 2/pi (not exactly): odd n scales the sum by
    // 0.63661977, so odd n never goes below about 3.7e-09.
    A = (1.0 - static_cast<double>(odd) * 0.36338023) * A;
    double r = 0.5 * (1.0 + A);
    r = (1.0 - r) * 2.0;
    return Capped(r);
}

double x2prob(double chi, double df) {
    const int64_t n = fw::TruncToInt64(df);
    const double x = 0.5 * chi;
    const double a = 0.5 * static_cast<double>(n);
    const double g = detail::lngamma(a + 1.0);
    // x^a e^-x / gamma(a + 1); 0 at chi = 0, where Log gives minus infinity.
    const double e = fw::Exp(((a * fw::Log(x)) - g) - x);

    // Chi-square far above its degrees of freedom: e underflows to 0 (with
    // x > a), or the series below outgrows the doubles before it does. The
    // upper tail is then below 1e-300, so the result is 0, where the bare
    // series would give 0.9999, minus infinity or NaN. An e of 0 with x at
    // most a is the other end: r is 1, capped to 0.9999.
    if (e == 0.0) {
        if (x > a) {
            return 0.0;
        }
        return Capped(1.0);
    }

    // s = sum over k >= 0 of x^k / ((a + 1)(a + 2)...(a + k)), to a relative 1e-06.
    double term = 1.0;
    double s = 1.0;
    double den = a;
    do {
        den = 1.0 + den;
        term = (term * x) / den;
        s = term + s;
    } while (term / s > 1e-06);
    if (!std::isfinite(s)) {
        return 0.0;  // outgrown: see above
    }

    const double r = 1.0 - s * e;
    return Capped(r);
}

double fprob(double F, double df1, double df2) {
    const int64_t n1 = fw::TruncToInt64(df1);
    const int64_t n2 = fw::TruncToInt64(df2);
    const double d1 = static_cast<double>(n1);
    const double d2 = static_cast<double>(n2);
    const double acu = n1 == 1 ? 1e-05 : 0.001;
    const double b = d2 / 2.0;
    const double a = d1 / 2.0;
    double psq = a + b;
    // log B(a, b)
    const double beta = ((0.0 + detail::lngamma(a)) + detail::lngamma(b)) - detail::lngamma(psq);
    const double x = d2 / (d2 + d1 * F);

    // AS 63: the incomplete beta ratio I_x(b, a) by Soper's reduction, run on
    // whichever tail makes the series the shorter one.
    double pp, qq, xx, cx;
    const bool complemented = b >= psq * x;
    if (complemented) {
        pp = b;
        qq = a;
        xx = x;
        cx = 1.0 - x;
    } else {
        pp = a;
        qq = b;
        xx = 1.0 - x;
        cx = x;
    }

    double term = 1.0;
    double ai = 1.0;
    double value = 1.0;
    int64_t ns = fw::TruncToInt64((cx * psq) + qq);
    double rx = xx / cx;
    double temp = qq - ai;
    if (ns == 0) {
        rx = xx;
    }
    for (;;) {
        term = ((term * temp) * rx) / (pp + ai);
        value = term + value;
        temp = fw::Abs(term);
        if (temp <= acu && temp <= acu * value) {
            break;
        }
        ai = 1.0 + ai;
        if (ns >= 0) {  // once negative, ns only has to stay so
            ns = ns - 1;
        }
        if (ns >= 0) {
            temp = qq - ai;
            if (ns == 0) {
                rx = xx;
            }
        } else {
            temp = psq;
            psq = psq + 1.0;
        }
    }

    value = (fw::Exp(((pp * fw::Log(xx)) + ((qq - 1.0) * fw::Log(cx))) - beta) * value) / pp;
    if (complemented) {
        value = 1.0 - value;
    }
    const double r = 1.0 - value;
    return Capped(r);
}

}  // namespace ProbModule
