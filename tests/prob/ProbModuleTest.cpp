#include "prob/ProbModule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "framework/core/BackgroundTask.h"

namespace {

using ProbModule::fprob;
using ProbModule::tprob;
using ProbModule::x2prob;
using ProbModule::zprob;

constexpr double kCap = 0.9999;

using Fn = double (*)(double, double, double);
constexpr Fn Z = [](double z, double, double) { return zprob(z); };
constexpr Fn T = [](double t, double df, double) { return tprob(t, df); };
constexpr Fn X2 = [](double chi, double df, double) { return x2prob(chi, df); };
constexpr Fn F = [](double f, double df1, double df2) { return fprob(f, df1, df2); };
constexpr Fn LnGamma = [](double x, double, double) { return ProbModule::detail::lngamma(x); };

struct Known {
    Fn fn;
    double x, df1, df2;  // the statistic and its degrees of freedom (unused ones 0)
    double expected;
};

// Results agree with the published values to about ten significant digits, so the
// zeros and the one result below zero come out exactly.
TEST(ProbModule, KnownValuesToTenSignificantDigits) {
    const Known cases[] = {
        {Z, 6.8, 0, 0, 1.046174258e-11},      // last point of the series
        {Z, 6.80001, 0, 0, 1.046129849e-11},  // first of the tail formula
        {Z, 7, 0, 0, 2.559619183e-12},
        {Z, 8.3744, 0, 0, 0},  // the tail is lost against 0.5 from here on
        {Z, 9, 0, 0, 0},
        {Z, -9, 0, 0, 0},
        {T, 0, 1, 0, kCap},
        {T, 0, 9999, 0, kCap},
        {T, 0.00008, 9999, 0, kCap},
        {T, 1, 1, 0, 0.5000000019},
        {T, 2, 1, 0, 0.2951672379},
        {T, 12.706, 1, 0, 0.05000080589},
        {T, 1, 3, 0, 0.3910022212},
        {T, 1, 4, 0, 0.3739009663},
        {T, 1, 5, 0, 0.36321747},
        {T, 2.228, 10, 0, 0.05001177182},
        {T, 2.228, 10.9, 0, 0.05001177182},  // degrees of freedom drop their fraction
        {T, 1.96, 9999, 0, 0.05002352654},
        {T, 2, 9999, 0, 0.04552726691},
        {T, 999, 1, 0, 0.0006372605332},
        {T, 999, 2, 0, 1.002001498e-06},
        {T, 999, 9998, 0, 0},
        {T, 999, 9999, 0, 3.718988228e-09},
        {T, 20.54, 4900, 0, -1.776356839e-15},  // returned below zero, unclamped
        {X2, 0, 1, 0, kCap},
        {X2, 0, 9999, 0, kCap},
        {X2, 0.5, 1, 0, 0.479500124},
        {X2, 1, 1, 0, 0.3173105227},
        {X2, 3.841, 1, 0, 0.05001373278},
        {X2, 5.991, 2, 0, 0.05001173673},
        {X2, 18.307, 10, 0, 0.05000101253},
        {X2, 18.307, 10.9, 0, 0.05000101253},
        {X2, 100, 100, 0, 0.4811921026},
        {X2, 1, 9999, 0, kCap},
        {X2, 9999, 9999, 0, 0.4981270155},
        {F, 1, 1, 1, 0.4999981593},
        {F, 161.4, 1, 1, 0.05000734746},
        {F, 4.96, 1, 10, 0.05008807763},
        {F, 4.1, 2, 10, 0.05007754848},
        {F, 4.1, 2.9, 10.5, 0.05007754848},
        {F, 3, 2, 20, 0.07253815028},
        {F, 1.5, 2, 2, 0.3999999999},
        {F, 2, 10, 10, 0.144845806},
        {F, 1, 17, 21, 0.4934966364},   // series run on the other tail
        {F, 1, 18, 7, 0.5371995909},    // likewise
        {F, 1, 3, 9999, 0.4111510254},  // the loose tolerance stops early
        {F, 1, 1, 9999, 0.336549774},
        {F, 1, 1, 9998, 0.304057521},
        {F, 1, 9999, 9999, 0.4999082746},
        {F, 9999, 1, 1, 0.006366303831},
        {F, 1, 9999, 1, 0.6826614747},
        {F, 9999, 9999, 9999, 0},
        // The shortened coefficients leave lngamma(1) and lngamma(2) just above 0.
        {LnGamma, 0.5, 0, 0, 0.572364943},
        {LnGamma, 1, 0, 0, 1.04628306e-10},
        {LnGamma, 2, 0, 0, 5.95234972e-11},
        {LnGamma, 10, 0, 0, 12.80182748},
    };
    for (const Known& c : cases) {
        EXPECT_NEAR(c.fn(c.x, c.df1, c.df2), c.expected, 1e-9 * std::fabs(c.expected))
            << "row " << (&c - cases) << ": " << c.x << ", " << c.df1 << ", " << c.df2;
    }
}

// Far above its degrees of freedom the chi-square tail is below 1e-300. There
// the bare series overflows (giving minus infinity or NaN) or loses its factor
// entirely (giving 0.9999); the result must be 0.
TEST(ProbModule, ChiSquareFarAboveItsDegreesOfFreedomIsZero) {
    const double cases[][2] = {
        {1421.7, 1},  {1497.2, 1},  {2000, 10},   {9734.5, 5000}, {9892.2, 5000},
        {9999, 5077}, {9999, 5078}, {9999, 5193}, {1e300, 9999},
    };
    for (const auto& [chi, df] : cases) {
        EXPECT_EQ(x2prob(chi, df), 0.0) << "chi = " << chi << ", df = " << df;
    }
}

// Every result the caller can get is a probability it can format: finite,
// at most the cap, and below zero by no more than a few rounding steps.
void ExpectProbability(double r, double floor = -2e-15) {
    EXPECT_TRUE(std::isfinite(r)) << r;
    EXPECT_LE(r, kCap);
    EXPECT_GE(r, floor);
}

TEST(ProbModule, EveryResultOverTheAcceptedRangesIsAProbability) {
    const double dfs[] = {1,    2,    3,    4,    5,    6,    7,    8,    9,    10,   11,
                          12,   17,   18,   21,   29,   30,   50,   99,   100,  250,  501,
                          1000, 2500, 3254, 4900, 5077, 5078, 5193, 5194, 7001, 9998, 9999};
    const double fs[] = {1, 1.0001, 1.2, 1.5, 2, 3, 4.96, 10, 50, 161.4, 1000, 9999};
    std::vector<double> values = {0.00008, 9.628, 20.54, 333.3, 1421.6, 3719.3, 9734.3, 9999};
    for (int i = 0; i <= 600; ++i) {
        values.push_back(i / 20.0);
    }
    for (int v = 40; v <= 9990; v += 25) {
        values.push_back(v);
    }
    for (int i = -900; i <= 900; ++i) {
        SCOPED_TRACE(testing::Message() << "z = " << i / 100.0);
        ExpectProbability(zprob(i / 100.0));
    }
    for (double df : dfs) {
        for (double v : values) {
            SCOPED_TRACE(testing::Message() << "t or chi = " << v << ", df = " << df);
            if (v <= 999) {
                // A long even series far in the tail lands a few rounding steps
                // below zero (9.628 at 3254 df gives -3.55e-15).
                ExpectProbability(tprob(v, df), -5e-15);
            }
            ExpectProbability(x2prob(v, df));
        }
        for (double df2 : dfs) {
            for (double f : fs) {
                SCOPED_TRACE(testing::Message() << "F = " << f << ", df = " << df << ", " << df2);
                ExpectProbability(fprob(f, df, df2));
            }
        }
    }
}

// Closed forms the functions must follow over whole ranges, capped like them,
// each within the accuracy of its function.
TEST(ProbModule, ResultsFollowTheClosedForms) {
    struct Identity {
        const char* rule;
        double (*actual)(double);
        double (*exact)(double);
        double from, to, step, tolerance;
    };
    const Identity identities[] = {
        {"zprob(z) = erfc(|z| / sqrt 2)", [](double z) { return zprob(z); },
         [](double z) { return std::erfc(std::fabs(z) / std::numbers::sqrt2); }, -9, 9, 0.001,
         1e-14},
        // 0.36338023 stands in for 1 - 2/pi, a few 1e-9 off.
        {"tprob(t, 1) = 1 - 2 atan(|t|) / pi", [](double t) { return tprob(t, 1); },
         [](double t) { return 1 - 2 * std::atan(std::fabs(t)) / std::numbers::pi; }, -999, 999,
         0.01, 5e-9},
        {"tprob(t, 2) = 1 - |t| / sqrt(2 + t^2)", [](double t) { return tprob(t, 2); },
         [](double t) { return 1 - std::fabs(t) / std::sqrt(2 + t * t); }, -999, 999, 0.01, 1e-14},
        // The series stops at a relative 1e-06; far out that leaves a few 1e-06.
        {"x2prob(x, 2) = exp(-x / 2)", [](double x) { return x2prob(x, 2); },
         [](double x) { return std::exp(-x / 2); }, 0, 9999, 0.1, 1e-5},
        {"fprob(F, 2, 10) = (1 + F / 5)^-5", [](double f) { return fprob(f, 2, 10); },
         [](double f) { return std::pow(1 + f / 5, -5); }, 1, 9999, 0.1, 1e-9},
    };
    for (const Identity& id : identities) {
        int failures = 0;
        for (double x = id.from; x <= id.to && failures < 5; x += id.step) {
            const double expected = std::min(id.exact(x), kCap);
            const double actual = id.actual(x);
            if (!(std::fabs(actual - expected) <= id.tolerance)) {
                ++failures;
                ADD_FAILURE() << id.rule << " at " << x << ": " << actual << " vs " << expected;
            }
        }
    }
}

// tprob gives the framework a turn once per pass of its series: (n - 3) / 2
// passes for odd n, (n - 2) / 2 for even n, none up to 3.
TEST(ProbModule, TprobYieldsOncePerPassOfItsSeries) {
    const double cases[][2] = {{1, 0},  {2, 0},    {3, 0},       {4, 1},       {5, 1},
                               {10, 4}, {10.9, 4}, {4900, 2449}, {9998, 4998}, {9999, 4998}};
    for (const auto& [df, passes] : cases) {
        const uint64_t before = fw::RuntimeBackgroundTaskCount();
        tprob(2, df);
        EXPECT_EQ(fw::RuntimeBackgroundTaskCount() - before, passes) << "df = " << df;
    }
}

}  // namespace
