// Start-up cost of Quenvale next to a Qt window showing one label and a bare Qt
// window: the time from the process's start to its first window being mapped
// on the X server, and the process's peak resident memory once that window has
// had time to paint. Needs DISPLAY on a server without a window manager, so
// that a top-level window is mapped straight onto the root (bench/run starts
// its own Xvfb). QUENVALE_BIN, LABEL_WINDOW_BIN and BARE_WINDOW_BIN override
// the programs built beside this one.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// How long a program may take to show its window before the run is given up.
constexpr auto kMapDeadline = std::chrono::seconds(10);
// Time after the window appears for its first paint, which is part of the
// memory a person's start-up costs.
constexpr auto kSettle = std::chrono::milliseconds(300);

struct Launch {
    double secondsToMap = 0;
    long peakRssKb = 0;
};

// The process that owns window, by the _NET_WM_PID Qt sets before mapping it.
std::optional<pid_t> WindowPid(Display* display, Window window) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    if (pidAtom == None) {
        return std::nullopt;
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::optional<pid_t> pid;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        type == XA_CARDINAL && format == 32 && count == 1) {
        // Xlib hands 32-bit properties over as longs.
        pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
    }
    if (data != nullptr) {
        XFree(data);
    }
    return pid;
}

// The peak resident memory of the process image now running in pid. Read
// before the process ends: rusage's figure would also count the benchmark's
// own memory, which the child held from fork until exec.
long PeakRssKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

pid_t Start(const std::string& program) {
    const pid_t child = fork();
    if (child == 0) {
        // Qt's warnings about the bare server are not the benchmark's output.
        const int devNull = open("/dev/null", O_WRONLY);
        if (devNull >= 0) {
            dup2(devNull, STDOUT_FILENO);
            dup2(devNull, STDERR_FILENO);
        }
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    if (child < 0) {
        throw std::runtime_error("fork failed");
    }
    return child;
}

// Waits for a top-level window of child to be mapped; returns when it was seen.
std::optional<Clock::time_point> AwaitMap(Display* display, pid_t child, Clock::time_point start) {
    const Clock::time_point deadline = start + kMapDeadline;
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify) {
                continue;
            }
            const Clock::time_point seen = Clock::now();
            const std::optional<pid_t> owner = WindowPid(display, event.xmap.window);
            if (!owner || *owner == child) {
                return seen;
            }
        }
        // Looked at, not reaped: the caller's Reap does that.
        siginfo_t info{};
        if (waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
            info.si_pid == child) {
            throw std::runtime_error("ended before showing a window, status " +
                                     std::to_string(info.si_status));
        }
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, 5);
    }
    return std::nullopt;
}

// The benchmark's one connection, kept open throughout: an X server may reset
// when its last client leaves, and a launch must not meet a server mid-reset.
Display* Server() {
    static Display* const display = [] {
        Display* opened = XOpenDisplay(nullptr);
        if (opened != nullptr) {
            fcntl(ConnectionNumber(opened), F_SETFD, FD_CLOEXEC);
            XSelectInput(opened, DefaultRootWindow(opened), SubstructureNotifyMask);
        }
        return opened;
    }();
    return display;
}

// Ends child, whatever became of the run.
struct Reap {
    pid_t child;
    ~Reap() {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
};

Launch Run(const std::string& program) {
    Display* display = Server();
    if (display == nullptr) {
        throw std::runtime_error("no X display (set DISPLAY)");
    }
    // Only the new program's windows count.
    XSync(display, True);

    const Clock::time_point start = Clock::now();
    const Reap child{Start(program)};
    const std::optional<Clock::time_point> mapped = AwaitMap(display, child.child, start);
    if (!mapped) {
        throw std::runtime_error("showed no window in time");
    }
    const Clock::time_point settled = *mapped + kSettle;
    while (Clock::now() < settled) {
        // Keeps the connection drained; the events are of no more interest.
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
        }
        usleep(10 * 1000);
    }
    return {std::chrono::duration<double>(*mapped - start).count(), PeakRssKb(child.child)};
}

void Startup(benchmark::State& state, const char* variable, const char* built) {
    const char* set = std::getenv(variable);
    const std::string program = set != nullptr && *set != '\0' ? set : built;
    // A program that failed once is not launched again in later repetitions.
    static std::map<std::string, std::string> failed;
    if (const auto it = failed.find(program); it != failed.end()) {
        state.SkipWithError(it->second.c_str());
        return;
    }
    long rss = 0;
    for (auto _ : state) {
        try {
            const Launch launch = Run(program);
            state.SetIterationTime(launch.secondsToMap);
            rss = std::max(rss, launch.peakRssKb);
        } catch (const std::exception& error) {
            const std::string& message = failed[program] = program + ": " + error.what();
            state.SkipWithError(message.c_str());
            break;
        }
    }
    state.counters["peak_rss_kb"] = static_cast<double>(rss);
}

// One launch per repetition, the programs in turn at random (bench/run
// asks for the interleaving). A busy machine only ever adds time to a
// launch, and here launches spread over several milliseconds, so the
// median moved by up to a tenth from one run to the next; the first quartile
// ("q1") is the launch on a machine left to itself, and moves by a few percent.
constexpr int kLaunches = 100;

double FirstQuartile(const std::vector<double>& values) {
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    return sorted.empty() ? 0.0 : sorted[(sorted.size() - 1) / 4];
}

void Launches(benchmark::internal::Benchmark* launches) {
    launches->UseManualTime()->Iterations(1)->Repetitions(kLaunches)->Unit(benchmark::kMillisecond);
    launches->ComputeStatistics("q1", FirstQuartile);
}

BENCHMARK_CAPTURE(Startup, quenvale, "QUENVALE_BIN", QUENVALE_BIN_BUILT)->Apply(Launches);
BENCHMARK_CAPTURE(Startup, label_window, "LABEL_WINDOW_BIN", LABEL_WINDOW_BIN_BUILT)
    ->Apply(Launches);
BENCHMARK_CAPTURE(Startup, bare_window, "BARE_WINDOW_BIN", BARE_WINDOW_BIN_BUILT)->Apply(Launches);

}  // namespace
