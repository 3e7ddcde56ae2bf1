// The worst cases of the four probability functions, and the cost of tprob's
// yield: tprob at 9999 degrees of freedom (4998 passes) side by side with the
// same series without the yield.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "framework/core/Math.h"
#include "prob/ProbModule.h"

namespace {

// tprob with the RuntimeBackgroundTask call taken out of the loop; everything
// else as in ProbModule::tprob.
double TprobWithoutYield(double t, double df) {
    const int64_t n = fw::TruncToInt64(df);
    const double nd = static_cast<double>(n);
    const double at = fw::Abs(t);
    const double theta = fw::ATan(at / fw::Sqrt(nd));
    const double s = fw::Sin(theta);
    const double c = fw::Cos(theta);
    const int64_t odd = fw::TruncToInt64(nd - 2.0 * fw::Floor(nd / 2.0));
    double A;
    double term = 0.0;
    int64_t i = 0;
    int64_t j = 0;
    int64_t m = 0;
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
    }
    A = (1.0 - static_cast<double>(odd) * 0.36338023) * A;
    double r = 0.5 * (1.0 + A);
    r = (1.0 - r) * 2.0;
    if (r > 0.9999) {
        r = 0.9999;
    }
    return r;
}

// Runs fn(args...) with the arguments hidden from the optimiser.
template <typename Fn, typename... Args>
void Run(benchmark::State& state, Fn fn, Args... args) {
    for (auto _ : state) {
        (benchmark::DoNotOptimize(args), ...);
        double r = fn(args...);
        benchmark::DoNotOptimize(r);
    }
}

void BM_zprob_6_8(benchmark::State& state) {
    Run(state, ProbModule::zprob, 6.8);
}
void BM_tprob_2_9999(benchmark::State& state) {
    Run(state, ProbModule::tprob, 2.0, 9999.0);
}
void BM_x2prob_9999_5194(benchmark::State& state) {
    Run(state, ProbModule::x2prob, 9999.0, 5194.0);
}
void BM_fprob_1_1_9998(benchmark::State& state) {
    Run(state, ProbModule::fprob, 1.0, 1.0, 9998.0);
}

void BM_tprob_9999_without_yield(benchmark::State& state) {
    if (TprobWithoutYield(2.0, 9999.0) != ProbModule::tprob(2.0, 9999.0)) {
        state.SkipWithError("the copy of the series does not match tprob");
        return;
    }
    Run(state, TprobWithoutYield, 2.0, 9999.0);
}

}  // namespace

BENCHMARK(BM_zprob_6_8);
BENCHMARK(BM_tprob_2_9999);
BENCHMARK(BM_tprob_9999_without_yield);
BENCHMARK(BM_x2prob_9999_5194);
BENCHMARK(BM_fprob_1_1_9998);
