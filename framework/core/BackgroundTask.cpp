#include "framework/core/BackgroundTask.h"

namespace fw {

namespace detail {

namespace {
bool inBackgroundTaskHook = false;
}  // namespace

void RunBackgroundTaskHook() {
    if (inBackgroundTaskHook) {
        return;
    }
    struct HookGuard {
        HookGuard() { inBackgroundTaskHook = true; }
        ~HookGuard() { inBackgroundTaskHook = false; }
    } guard;
    backgroundTaskHook();
}

}  // namespace detail

uint64_t RuntimeBackgroundTaskCount() {
    return detail::backgroundTaskCount;
}

void RuntimeSetBackgroundTaskHook(void (*hook)()) {
    detail::backgroundTaskHook = hook;
}

}  // namespace fw
