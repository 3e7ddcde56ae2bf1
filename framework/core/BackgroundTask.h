#pragma once
// The framework's background-task yield point. Long computations call it once
// per pass so the framework gets a turn. It processes no events, so it never
// runs a handler again while the calculation is in it: a turn is only counted.
// The program has one thread; nothing here is synchronised.
#include <cstdint>

namespace fw {

namespace detail {
inline uint64_t backgroundTaskCount = 0;
}  // namespace detail

// Inline, so that a series calling it on every pass keeps its numbers in
// registers: as an out-of-line call it made tprob's series half as slow again.
inline void RuntimeBackgroundTask() {
    ++detail::backgroundTaskCount;
}

// How many turns long computations have given the framework since start-up.
inline uint64_t RuntimeBackgroundTaskCount() {
    return detail::backgroundTaskCount;
}

}  // namespace fw
