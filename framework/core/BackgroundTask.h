#pragma once
// The framework's background-task yield point. Long computations call it once
// per pass so the framework gets a turn. It processes no events, so it never
// runs a handler re-entrantly: it counts the call and runs the hook, if one is
// set. The program has one thread; nothing here is synchronised.
#include <cstdint>

namespace fw {

// How many times RuntimeBackgroundTask has been called since start-up.
uint64_t RuntimeBackgroundTaskCount();

// Runs hook on every call of RuntimeBackgroundTask; nullptr runs nothing. A
// call of RuntimeBackgroundTask made from inside the hook is counted but does
// not run the hook again. An exception thrown by the hook leaves the yield
// and ends the computation that called it.
void RuntimeSetBackgroundTaskHook(void (*hook)());

namespace detail {

inline uint64_t backgroundTaskCount = 0;
inline void (*backgroundTaskHook)() = nullptr;
void RunBackgroundTaskHook();

}  // namespace detail

// Inline, so that a series calling it on every pass keeps its numbers in
// registers: as an out-of-line call it made tprob's series half as slow again.
inline void RuntimeBackgroundTask() {
    ++detail::backgroundTaskCount;
    if (detail::backgroundTaskHook != nullptr) [[unlikely]] {
        detail::RunBackgroundTaskHook();
    }
}

}  // namespace fw
