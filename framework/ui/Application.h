#pragma once
// The application object and the runtime's start-up, event loop and exit.
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

#include "framework/core/Object.h"

namespace fw {

class MenuBar;

class Application : public Object {
  public:
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }

    Ref<fw::MenuBar> MenuBar() const { return menuBar_; }
    void MenuBar(const Ref<fw::MenuBar>& bar) { menuBar_ = bar; }

    void _x_SetVersionData(int64_t major, int64_t minor, int64_t bug, int64_t nonRelease,
                           int64_t stage, std::string longVersion, std::string shortVersion,
                           std::string packageInfo);
    int64_t MajorVersion() const { return major_; }
    int64_t MinorVersion() const { return minor_; }
    int64_t BugVersion() const { return bug_; }
    int64_t NonReleaseVersion() const { return nonRelease_; }
    int64_t StageCode() const { return stage_; }
    const std::string& LongVersion() const { return longVersion_; }
    const std::string& ShortVersion() const { return shortVersion_; }
    const std::string& PackageInfo() const { return packageInfo_; }

    static void _SetSupportsHiDPI(bool value);
    static bool SupportsHiDPI();

  private:
    Ref<fw::MenuBar> menuBar_;
    int64_t major_ = 0, minor_ = 0, bug_ = 0, nonRelease_ = 0, stage_ = 0;
    std::string longVersion_, shortVersion_, packageInfo_;
};

// Start-up and shut-down, in the order the main routine calls them.
// RuntimeInit starts the runtime and the GUI; of the command line only the
// program's name goes to Qt.
void RuntimeInit(int argc, char** argv);
// The routine through which the framework calls program code: it calls fn(arg)
// and returns the exception that escaped, or nullptr.
using ExceptionHelper = std::exception_ptr (*)(void (*fn)(void*), void* arg);
void _RuntimeSetExceptionHelper(ExceptionHelper helper);
// The framework version the program is built for.
void _RuntimeSetFrameworkVersion(double version);
double RuntimeFrameworkVersion();
void _RuntimeInitExternalClasses();
void _InitPluginEntrypoints();
// The one application object of the run: nil or a second one is an error.
void _RuntimeRegisterAppObject(const Ref<Application>& app);
// The registered application object, or nil.
Ref<Application> App();
// Runs lateStartup once, on the main thread, before the event loop delivers input:
// at once. An exception it raises passes to the caller, which then skips the loop.
void _RunFrameworkInitialization(void (*lateStartup)());
// The event loop; returns when the application quits.
void _RuntimeRun();
// Reports an exception that no handler caught: on standard error and in a message box.
void _UnhandledException(std::exception_ptr error);
void RuntimePerformFinalizers();
// The exit code given to Quit (0 when the loop ended otherwise).
int32_t RuntimeExit();
// Ends the GUI that RuntimeInit started, last thing before the process ends: a
// clipboard manager, where one runs, is offered the text the program copied.
void RuntimeShutDown();

// Ends the event loop; code becomes the process's exit status.
void Quit(int64_t code = 0);

// Runs program code on behalf of the event loop: through the exception helper
// when one is set; an escaping exception goes to _UnhandledException and
// never crosses into Qt.
void RuntimeDispatch(void (*fn)(void*), void* arg);
template <class F>
void RuntimeDispatch(F&& f) {
    RuntimeDispatch([](void* p) { (*static_cast<F*>(p))(); }, static_cast<void*>(&f));
}

}  // namespace fw
