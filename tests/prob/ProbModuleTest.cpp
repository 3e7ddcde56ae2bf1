#include "prob/ProbModule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

#include "framework/core/BackgroundTask.h"

namespace {

using ProbModule::fprob;
using ProbModule::tprob;
using ProbModule::x2prob;
using ProbModule::zprob;

constexpr double kCap = 0.9999;
// Known values are given to ten significant digits.
constexpr double kTenDigits = 5e-10;
// No result lies further below zero than this...
constexpr double kFloor = -2e-15;
// ...except tprob's: far in the tail, where the probability is below 1e-15,
// rounding in a long even-df series lands a few units of 4.4e-16 below zero
// (20.54 at 4900 df gives -1.78e-15, 9.628 at 3254 df -3.55e-15).
constexpr double kTprobFloor = -5e-15;

// How a known value is matched: to ten significant digits, or as the very double.
enum class Match { Digits, Exactly };

void ExpectKnown(double actual, double expected, Match match) {
    if (match == Match::Exactly) {
        EXPECT_EQ(actual, expected);
    } else {
        EXPECT_NEAR(actual, expected, kTenDigits * std::fabs(expected));
    }
}

// A probability the caller can format: finite, at most the cap, not below floor.
void ExpectProbability(double r, double floor = kFloor) {
    EXPECT_TRUE(std::isfinite(r)) << r;
    EXPECT_LE(r, kCap);
    EXPECT_GE(r, floor);
}

// Runs fn and gives the number of yields it made.
template <typename Fn>
uint64_t YieldsDuring(Fn fn) {
    const uint64_t before = fw::RuntimeBackgroundTaskCount();
    fn();
    return fw::RuntimeBackgroundTaskCount() - before;
}

// The passes of the t series: (n - 3) / 2 for odd n, (n - 2) / 2 for even n, none below 4.
int64_t TPasses(int64_t n) {
    return n < 4 ? 0 : (n % 2 == 1 ? (n - 3) / 2 : (n - 2) / 2);
}

// ---------------------------------------------------------------------------
// Known values

struct ZCase {
    double z;
    double expected;
    Match match;
};

TEST(Zprob, KnownValues) {
    const ZCase cases[] = {
        {0, kCap, Match::Exactly},
        {0.5, 0.6170750775, Match::Digits},
        {1, 0.3173105079, Match::Digits},
        {1.96, 0.0499957903, Match::Digits},
        {-1.96, 0.0499957903, Match::Digits},
        {2.5758, 0.01000084748, Match::Digits},
        {3, 0.002699796063, Match::Digits},
        {6.8, 1.046174258e-11, Match::Digits},      // last point of the series
        {6.80001, 1.046129849e-11, Match::Digits},  // first of the tail formula
        {7, 2.559619183e-12, Match::Digits},
        {8.3744, 0, Match::Exactly},  // the tail is lost against 0.5 from here on
        {8.5, 0, Match::Exactly},
        {9, 0, Match::Exactly},
        {-9, 0, Match::Exactly},
    };
    for (const ZCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "z = " << c.z);
        ExpectKnown(zprob(c.z), c.expected, c.match);
    }
}

struct TCase {
    double t;
    double df;
    double expected;
    Match match;
    uint64_t passes;
};

TEST(Tprob, KnownValuesAndYieldsOncePerPass) {
    const TCase cases[] = {
        {0, 1, kCap, Match::Exactly, 0},
        {0, 9999, kCap, Match::Exactly, 4998},
        {0.00008, 9999, kCap, Match::Exactly, 4998},
        {1, 1, 0.5000000019, Match::Digits, 0},
        {2, 1, 0.2951672379, Match::Digits, 0},
        {12.706, 1, 0.05000080589, Match::Digits, 0},
        {1, 2, 0.4226497308, Match::Digits, 0},
        {4.303, 2, 0.04999252499, Match::Digits, 0},
        {1, 3, 0.3910022212, Match::Digits, 0},
        {1, 4, 0.3739009663, Match::Digits, 1},
        {1, 5, 0.36321747, Match::Digits, 1},
        {2.228, 10, 0.05001177182, Match::Digits, 4},
        {2.228, 10.9, 0.05001177182, Match::Digits, 4},
        {1.96, 9999, 0.05002352654, Match::Digits, 4998},
        {2, 9999, 0.04552726691, Match::Digits, 4998},
        {999, 1, 0.0006372605332, Match::Digits, 0},
        {999, 2, 1.002001498e-06, Match::Digits, 0},
        {999, 9998, 0, Match::Exactly, 4998},
        {999, 9999, 3.718988228e-09, Match::Digits, 4998},
        {20.54, 4900, -1.776356839e-15, Match::Digits, 2449},  // returned below zero
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "t = " << c.t << ", df = " << c.df);
        double r = 0;
        EXPECT_EQ(YieldsDuring([&] { r = tprob(c.t, c.df); }), c.passes);
        ExpectKnown(r, c.expected, c.match);
    }
}

TEST(Tprob, YieldsOncePerPassForEveryDegreesOfFreedom) {
    for (int64_t n = 1; n <= 9999; n += (n < 40 ? 1 : 997)) {
        SCOPED_TRACE(testing::Message() << "df = " << n);
        EXPECT_EQ(YieldsDuring([&] { tprob(1.5, static_cast<double>(n)); }),
                  static_cast<uint64_t>(TPasses(n)));
    }
    EXPECT_EQ(YieldsDuring([] { tprob(2, 9998); }), 4998u);
}

TEST(Lngamma, KnownValues) {
    struct Case {
        double x;
        double expected;
    };
    // Given to nine significant digits. The shortened coefficients leave
    // lngamma(1) and lngamma(2) just above 0.
    const Case cases[] = {
        {0.5, 0.572364943}, {1, 1.04628306e-10}, {2, 5.95234972e-11}, {10, 12.80182748}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "x = " << c.x);
        EXPECT_NEAR(ProbModule::detail::lngamma(c.x), c.expected, 5e-9 * c.expected);
    }
}

struct X2Case {
    double chi;
    double df;
    double expected;
    Match match;
};

TEST(X2prob, KnownValues) {
    const X2Case cases[] = {
        {0, 1, kCap, Match::Exactly},
        {0, 9999, kCap, Match::Exactly},
        {0.5, 1, 0.479500124, Match::Digits},
        {1, 1, 0.3173105227, Match::Digits},
        {3.841, 1, 0.05001373278, Match::Digits},
        {5.991, 2, 0.05001173673, Match::Digits},
        {18.307, 10, 0.05000101253, Match::Digits},
        {100, 100, 0.4811921026, Match::Digits},
        {1, 9999, kCap, Match::Exactly},
        {9999, 9999, 0.4981270155, Match::Digits},
    };
    for (const X2Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "chi = " << c.chi << ", df = " << c.df);
        ExpectKnown(x2prob(c.chi, c.df), c.expected, c.match);
    }
}

struct FCase {
    double F;
    double df1;
    double df2;
    double expected;
    Match match;
};

TEST(Fprob, KnownValues) {
    const FCase cases[] = {
        {1, 1, 1, 0.4999981593, Match::Digits},
        {161.4, 1, 1, 0.05000734746, Match::Digits},
        {4.96, 1, 10, 0.05008807763, Match::Digits},
        {4.1, 2, 10, 0.05007754848, Match::Digits},
        {3, 2, 20, 0.07253815028, Match::Digits},
        {1.5, 2, 2, 0.3999999999, Match::Digits},
        {2, 10, 10, 0.144845806, Match::Digits},
        {1, 17, 21, 0.4934966364, Match::Digits},   // series on the other tail
        {1, 18, 7, 0.5371995909, Match::Digits},    // likewise
        {1, 3, 9999, 0.4111510254, Match::Digits},  // the loose tolerance stops early
        {1, 1, 9999, 0.336549774, Match::Digits},
        {1, 1, 9998, 0.304057521, Match::Digits},
        {1, 9999, 9999, 0.4999082746, Match::Digits},
        {9999, 1, 1, 0.006366303831, Match::Digits},
        {1, 9999, 1, 0.6826614747, Match::Digits},
        {9999, 9999, 9999, 0, Match::Exactly},
    };
    for (const FCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "F = " << c.F << ", df1 = " << c.df1 << ", df2 = " << c.df2);
        ExpectKnown(fprob(c.F, c.df1, c.df2), c.expected, c.match);
    }
}

// ---------------------------------------------------------------------------
// Arguments

TEST(ProbModule, SignOfZAndTDoesNotMatter) {
    for (double z : {0.3, 1.96, 6.8, 7.5}) {
        EXPECT_EQ(zprob(-z), zprob(z)) << z;
    }
    for (double t : {0.3, 2.228, 20.54, 999.0}) {
        for (double df : {1.0, 2.0, 10.0, 4900.0}) {
            EXPECT_EQ(tprob(-t, df), tprob(t, df)) << t << " " << df;
        }
    }
}

TEST(ProbModule, DegreesOfFreedomDropTheirFraction) {
    EXPECT_EQ(tprob(2.228, 10.9), tprob(2.228, 10));
    EXPECT_EQ(tprob(1, 3.99), tprob(1, 3));
    EXPECT_EQ(x2prob(18.307, 10.9), x2prob(18.307, 10));
    EXPECT_EQ(fprob(4.1, 2.9, 10.5), fprob(4.1, 2, 10));
}

// ---------------------------------------------------------------------------
// Chi-square far above its degrees of freedom: the tail is below 1e-300 and
// the result is 0, where the bare series would overflow or lose e entirely.

TEST(X2prob, FarTailIsZero) {
    const X2Case cases[] = {
        {1500, 1, 0, Match::Exactly},
        {2000, 10, 0, Match::Exactly},
        {9999, 5000, 0, Match::Exactly},
        {9999, 5100, 0, Match::Exactly},
        {1421.7, 1, 0, Match::Exactly},  // the series outgrows the doubles
        {1497.2, 1, 0, Match::Exactly},  // e itself is 0
        {9734.5, 5000, 0, Match::Exactly},
        {9892.2, 5000, 0, Match::Exactly},
        {9999, 5077, 0, Match::Exactly},
        {9999, 5078, 0, Match::Exactly},
        {9999, 5193, 0, Match::Exactly},
        {1e300, 9999, 0, Match::Exactly},
        // e is 0 at or below the degrees of freedom too, but there the whole
        // probability is in the upper tail.
        {1, 9999, kCap, Match::Exactly},
        {0, 9999, kCap, Match::Exactly},
    };
    for (const X2Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "chi = " << c.chi << ", df = " << c.df);
        ExpectKnown(x2prob(c.chi, c.df), c.expected, c.match);
    }
}

TEST(X2prob, JustBelowTheFarTailStaysASmallProbability) {
    // The last finite results before the cut-off read .0000 like the 0 after it.
    const std::pair<double, double> cases[] = {
        {1421.6, 1}, {3719.3, 1000}, {9734.3, 5000}, {9999, 5194}};
    for (const auto& [chi, df] : cases) {
        SCOPED_TRACE(testing::Message() << "chi = " << chi << ", df = " << df);
        const double r = x2prob(chi, df);
        ExpectProbability(r);
        EXPECT_GT(r, 0.0);
        EXPECT_LT(r, 0.00005);
    }
}

// ---------------------------------------------------------------------------
// Sweeps over the accepted ranges

std::vector<double> DegreesOfFreedom() {
    std::vector<double> df;
    for (int n = 1; n <= 12; ++n) {
        df.push_back(n);
    }
    for (double n : {15, 20, 29, 30, 50, 99, 100, 250, 501, 1000, 2500, 4900, 5077, 5078, 5193,
                     5194, 7001, 9998, 9999}) {
        df.push_back(n);
    }
    return df;
}

TEST(Sweep, ZprobOverMinus9To9) {
    for (int i = -900; i <= 900; ++i) {
        const double z = i / 100.0;
        SCOPED_TRACE(testing::Message() << "z = " << z);
        ExpectProbability(zprob(z));
    }
}

TEST(Sweep, TprobOver0To999) {
    std::vector<double> ts;
    for (int i = 0; i <= 600; ++i) {
        ts.push_back(i / 20.0);
    }
    for (double t : {0.00008, 9.628, 20.54, 45.0, 100.0, 333.3, 700.0, 999.0}) {
        ts.push_back(t);
    }
    for (double df : DegreesOfFreedom()) {
        for (double t : ts) {
            SCOPED_TRACE(testing::Message() << "t = " << t << ", df = " << df);
            ExpectProbability(tprob(t, df), kTprobFloor);
        }
    }
}

TEST(Sweep, X2probOver0To9999) {
    std::vector<double> chis = {0, 0.001, 0.5, 1, 2, 3.841, 7.5};
    for (double chi = 10; chi <= 9999; chi *= 1.25) {
        chis.push_back(chi);
    }
    for (int chi = 50; chi <= 9950; chi += 50) {
        chis.push_back(chi);
    }
    chis.push_back(9999);
    for (double df : DegreesOfFreedom()) {
        for (double chi : chis) {
            SCOPED_TRACE(testing::Message() << "chi = " << chi << ", df = " << df);
            ExpectProbability(x2prob(chi, df));
        }
    }
}

TEST(Sweep, FprobOver1To9999) {
    const std::vector<double> fs = {1, 1.0001, 1.2, 1.5, 2, 3, 4.96, 10, 50, 161.4, 1000, 9999};
    const std::vector<double> dfs = {1,  2,  3,   4,   5,    7,    10,   17,  18,
                                     21, 30, 100, 501, 1000, 5000, 9998, 9999};
    for (double df1 : dfs) {
        for (double df2 : dfs) {
            for (double F : fs) {
                SCOPED_TRACE(testing::Message()
                             << "F = " << F << ", df1 = " << df1 << ", df2 = " << df2);
                ExpectProbability(fprob(F, df1, df2));
            }
        }
    }
}

// ---------------------------------------------------------------------------
// The yield

class Yield : public testing::Test {
  protected:
    void TearDown() override { fw::RuntimeSetBackgroundTaskHook(nullptr); }

    static inline int hookRuns = 0;
};

TEST_F(Yield, HookRunsOncePerPassAndNeverInsideItself) {
    hookRuns = 0;
    fw::RuntimeSetBackgroundTaskHook([] {
        ++hookRuns;
        fw::RuntimeBackgroundTask();  // counted, but does not run the hook again
    });
    const uint64_t yields = YieldsDuring([] { tprob(1, 10); });
    EXPECT_EQ(hookRuns, 4);
    EXPECT_EQ(yields, 8u);
}

TEST_F(Yield, ExceptionFromTheYieldEndsTprob) {
    hookRuns = 0;
    fw::RuntimeSetBackgroundTaskHook([] {
        if (++hookRuns == 3) {
            throw std::runtime_error("stop");
        }
    });
    EXPECT_THROW(tprob(2, 9999), std::runtime_error);
    EXPECT_EQ(hookRuns, 3);
    // The yield is usable again afterwards.
    hookRuns = 0;
    fw::RuntimeSetBackgroundTaskHook([] { ++hookRuns; });
    EXPECT_EQ(tprob(1, 5), tprob(1, 5));
    EXPECT_EQ(hookRuns, 2);
}

TEST_F(Yield, OnlyTprobYields) {
    EXPECT_EQ(YieldsDuring([] { zprob(6.8); }), 0u);
    EXPECT_EQ(YieldsDuring([] { x2prob(9999, 5194); }), 0u);
    EXPECT_EQ(YieldsDuring([] { fprob(1, 1, 9998); }), 0u);
}

}  // namespace
