#include "startup/Startup.h"

#include "app/FileTypes.h"
#include "app/Menu.h"
#include "app/Quenvale.h"
#include "framework/core/Runtime.h"
#include "windows/MainWnd.h"
#include "windows/Qwindow.h"
#include "windows/SplashWnd.h"

namespace {

// The program's initialisers, run after the framework's own, whose classes
// the program's records name as parents.
// clang-format off
constexpr fw::Initializer kInitializers[] = {
    [] { FileTypes::pAllFileTypes = {}; },
    [] {},  // FileTypes::pText starts nil
    [] { MainWnd::StaticClass(); },
    [] {},  // Menu::_implicitInstance starts nil
    [] { Menu::StaticClass(); },
    [] { SplashWnd::_wrapper_Timer1::StaticClass(); },
    [] { SplashWnd::StaticClass(); },
    [] { Qwindow::StaticClass(); },
    [] { Quenvale::StaticClass(); },
};
// clang-format on

}  // namespace

int QuenvaleMain(int argc, char** argv) {
    fw::RuntimeInit(argc, argv);
    fw::RuntimePerformInitializers(kInitializers);
    try {
        _Main();
    } catch (...) {
        // _Main has already handed the start-up's failure to the unhandled-exception
        // handling; what comes back from there must not keep the runtime from
        // shutting down and reporting its exit code.
    }
    fw::RuntimePerformFinalizers();
    return fw::RuntimeExit();
}

std::exception_ptr _CallFunctionWithExceptionHandling(void (*fn)(void*), void* arg) {
    try {
        fn(arg);
    } catch (const fw::RuntimeException&) {
        return std::current_exception();
    }
    return nullptr;
}

void _Main() {
    // The one place that stops the start-up's and the event loop's exceptions;
    // only a failure of the handling itself goes on up to main.
    try {
        fw::_RuntimeSetExceptionHelper(&_CallFunctionWithExceptionHandling);
        fw::_RuntimeSetFrameworkVersion(2019.031);
        _EarlyStartup();
        fw::_RunFrameworkInitialization(&_LateStartup);
        fw::_RuntimeRun();
    } catch (...) {
        fw::_UnhandledException(std::current_exception());
    }
}

void _EarlyStartup() {
    fw::Application::_SetSupportsHiDPI(true);
    fw::_RuntimeInitExternalClasses();
    fw::_InitPluginEntrypoints();
    _InitFileTypes();
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
}

void _InitFileTypes() {
    FileTypes::_Initialize();
}

void _NewAppInstance() {
    auto app = fw::RuntimeNewObject<Quenvale>();
    app->Constructor();
    app->_x_SetVersionData(3, 0, 0, 0, 3, kQuenvaleNotice, "3.0", "Quenvale");
    app->MenuBar(Menu());
    fw::_RuntimeRegisterAppObject(app);
}

void _ApplicationAddMenuHandlers() {}

void _LateStartup() {
    _MakeDefaultView();
}

void _MakeDefaultView() {
    SplashWnd();
}
