// The worst cases of the four probability functions, and the cost of tprob's
// yield at 9999 degrees of freedom.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "framework/core/BackgroundTask.h"
#include "prob/ProbModule.h"

namespace {

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

// The yield's share of BM_tprob_2_9999: the cost of one call (the time per
// iteration) times the passes that make it (share). The yield counts those
// passes itself, so the figure follows tprob without a copy of its series.
// Each call here is made to reach memory, whereas in tprob the compiler is
// free to add up the passes' counts in one go: the share is the most the
// yield can cost there.
void BM_tprob_2_9999_yield(benchmark::State& state) {
    const uint64_t before = fw::RuntimeBackgroundTaskCount();
    benchmark::DoNotOptimize(ProbModule::tprob(2.0, 9999.0));
    const uint64_t passes = fw::RuntimeBackgroundTaskCount() - before;
    if (passes == 0) {
        state.SkipWithError("tprob did not yield");
        return;
    }
    for (auto _ : state) {
        fw::RuntimeBackgroundTask();
        benchmark::ClobberMemory();
    }
    state.counters["passes"] = static_cast<double>(passes);
    // Worked out by the library as 1 / (iterations / passes / seconds):
    // seconds per iteration times passes.
    state.counters["share"] = benchmark::Counter(
        1.0 / static_cast<double>(passes),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(BM_zprob_6_8);
BENCHMARK(BM_tprob_2_9999);
BENCHMARK(BM_tprob_2_9999_yield);
BENCHMARK(BM_x2prob_9999_5194);
BENCHMARK(BM_fprob_1_1_9998);
