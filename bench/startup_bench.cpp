// Start-up cost of Quenvale next to a bare Qt window: the time from the
// process's start to its first window being mapped on the X server, and the
// process's peak resident memory. Needs DISPLAY (bench/run starts Xvfb) and
// the paths of both programs in QUENVALE_BIN and BARE_WINDOW_BIN.
#include <X11/Xlib.h>
#include <benchmark/benchmark.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace {

struct Launch {
    double secondsToMap = 0;
    long maxRssKb = 0;
};

// Starts program and waits for a top-level window of it to be mapped; then
// lets it settle briefly, ends it, and reads its peak memory.
Launch Run(const std::string& program) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        throw std::runtime_error("no X display");
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);

    auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child == 0) {
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    Launch result;
    bool mapped = false;
    auto deadline = start + std::chrono::seconds(20);
    while (!mapped && std::chrono::steady_clock::now() < deadline) {
        while (!mapped && XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            mapped = event.type == MapNotify;
        }
        if (!mapped) {
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, 5);
        }
    }
    result.secondsToMap =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    usleep(300 * 1000);
    kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    result.maxRssKb = usage.ru_maxrss;
    XCloseDisplay(display);
    if (!mapped) {
        throw std::runtime_error(program + " showed no window");
    }
    return result;
}

void Startup(benchmark::State& state, const char* variable) {
    const char* program = std::getenv(variable);
    if (program == nullptr) {
        state.SkipWithError("program path not set");
        return;
    }
    long rss = 0;
    for (auto _ : state) {
        Launch launch = Run(program);
        state.SetIterationTime(launch.secondsToMap);
        rss = std::max(rss, launch.maxRssKb);
    }
    state.counters["peak_rss_kb"] = static_cast<double>(rss);
}

BENCHMARK_CAPTURE(Startup, quenvale, "QUENVALE_BIN")
    ->UseManualTime()
    ->Iterations(15)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Startup, bare_window, "BARE_WINDOW_BIN")
    ->UseManualTime()
    ->Iterations(15)
    ->Unit(benchmark::kMillisecond);

}  // namespace
