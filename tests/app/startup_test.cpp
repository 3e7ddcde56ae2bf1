// The start-up: the order of its steps, the application object, the failure
// road, and the exit status.
//
// The runtime runs its late start-up once per process, so the cases run in file
// order: the failed start-up (which never reaches the late start-up) comes
// before the full run.
#include <gtest/gtest.h>

#include <QTimer>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/FileTypes.h"
#include "app/Menu.h"
#include "app/Quenvale.h"
#include "framework/ui/Window.h"
#include "startup/Startup.h"
#include "tests/support/Gui.h"

namespace {

int RunMain() {
    static char name[] = "quenvale";
    static char* argv[] = {name, nullptr};
    return QuenvaleMain(1, argv);
}

bool Live(const char* className) {
    return fw::_GetImplicitWindow(className) != nullptr;
}

TEST(StartupTest, CallbackHandsBackRuntimeErrorsOnly) {
    struct Case {
        const char* name;
        void (*fn)(void*);
        const char* expectedClass;  // nullptr: nothing escapes
    };
    const Case cases[] = {
        {"returns", [](void* arg) { *static_cast<int*>(arg) += 1; }, nullptr},
        {"nil object", [](void*) { throw fw::NilObjectException(); }, "NilObjectException"},
        {"failed cast", [](void*) { throw fw::IllegalCastException("cast"); },
         "IllegalCastException"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int calls = 0;
        std::exception_ptr error = _CallFunctionWithExceptionHandling(c.fn, &calls);
        if (c.expectedClass == nullptr) {
            EXPECT_EQ(error, nullptr);
            EXPECT_EQ(calls, 1);
            continue;
        }
        ASSERT_NE(error, nullptr);
        try {
            std::rethrow_exception(error);
        } catch (const fw::RuntimeException& e) {
            EXPECT_STREQ(e.ClassName(), c.expectedClass);
        }
    }
    // Anything that is not a runtime error is not the callback's to hand back.
    EXPECT_THROW(_CallFunctionWithExceptionHandling(
                     [](void*) { throw std::logic_error("not a runtime error"); }, nullptr),
                 std::logic_error);
}

// An application object registered before the start-up makes the start-up's
// own registration fail, after the file types and the menu bar are made.
TEST(StartupTest, EarlyFailureOpensNoWindowAndStillExits) {
    fw::_RuntimeRegisterAppObject(fw::RuntimeNewObject<fw::Application>());
    int code = -1;
    const std::vector<std::string> reports =
        testsupport::DismissMessageBoxes([&] { code = RunMain(); });

    EXPECT_TRUE(fw::Application::SupportsHiDPI());
    EXPECT_DOUBLE_EQ(fw::RuntimeFrameworkVersion(), 2019.031);
    ASSERT_NE(FileTypes::Text(), nullptr);
    EXPECT_TRUE(FileTypes::Text()->Registered()) << "file types come before the application object";
    for (const char* name : {"MainWnd.MainWnd", "Menu.Menu", "SplashWnd._wrapper_Timer1",
                             "SplashWnd.SplashWnd", "Qwindow.Qwindow", "Quenvale"}) {
        EXPECT_NE(fw::RuntimeLookupClass(name), nullptr) << name;
    }

    // The failure reaches the unhandled-exception handling once; the start-up
    // stops there: no late start-up, no window, no loop.
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("application object"), std::string::npos) << reports[0];
    EXPECT_EQ(fw::App(), nullptr) << "the finalisers let go of the application object";
    EXPECT_FALSE(Live("SplashWnd.SplashWnd"));
    EXPECT_FALSE(Live("MainWnd.MainWnd"));
    EXPECT_EQ(code, fw::RuntimeExit());
    EXPECT_EQ(code, 0);
}

TEST(StartupTest, RunsTheLoopWithTheSplashWindowAndReturnsTheQuitCode) {
    struct InLoop {
        bool ran = false;
        fw::Ref<Quenvale> app;
        bool barIsMenu = false;
        bool splashShown = false;
        bool mainWnd = true;
        bool informationWnd = true;
        std::vector<std::string> fileTypes;
    } seen;
    // The first turn of the event loop sees what the start-up left, then quits.
    QTimer::singleShot(200, [&] {
        seen.ran = true;
        seen.app = std::dynamic_pointer_cast<Quenvale>(fw::App());
        seen.barIsMenu = seen.app && seen.app->MenuBar() == Menu();
        auto splash = fw::_GetImplicitWindow("SplashWnd.SplashWnd");
        seen.splashShown =
            splash && splash->Visible() && testsupport::WindowWidget(*splash)->isVisible();
        seen.mainWnd = Live("MainWnd.MainWnd");
        seen.informationWnd = Live("Qwindow.Qwindow");
        for (const auto& type : fw::RuntimeRegisteredFileTypes()) {
            seen.fileTypes.push_back(type.name);
        }
        fw::Quit(5);
    });
    const int code = RunMain();

    ASSERT_TRUE(seen.ran) << "the event loop did not run";
    EXPECT_EQ(code, 5);
    ASSERT_NE(seen.app, nullptr);
    EXPECT_EQ(seen.app->Class().name, "Quenvale");
    EXPECT_EQ(seen.app->MajorVersion(), 3);
    EXPECT_EQ(seen.app->MinorVersion(), 0);
    EXPECT_EQ(seen.app->BugVersion(), 0);
    EXPECT_EQ(seen.app->NonReleaseVersion(), 0);
    EXPECT_EQ(seen.app->StageCode(), 3);
    EXPECT_EQ(seen.app->ShortVersion(), "3.0");
    EXPECT_EQ(seen.app->PackageInfo(), "Quenvale");
    const std::string notice = seen.app->LongVersion();
    EXPECT_NE(notice.find("The Quenvale authors"), std::string::npos);
    EXPECT_NE(notice.find("2020"), std::string::npos);
    EXPECT_EQ(notice.find_first_of("\r\n"), std::string::npos) << "one line";
    for (const char* event : {"Open", "Close", "KeyDown", "EnableMenuItems"}) {
        EXPECT_FALSE(seen.app->IsEventImplemented(event)) << event;
    }

    EXPECT_TRUE(seen.barIsMenu);
    EXPECT_TRUE(seen.splashShown) << "the late start-up opens the splash window";
    EXPECT_FALSE(seen.mainWnd) << "the calculator window waits for the splash timer";
    EXPECT_FALSE(seen.informationWnd);
    EXPECT_EQ(seen.fileTypes, std::vector<std::string>{"text"});

    // The finalisers let go of the application object and close the windows.
    EXPECT_EQ(fw::App(), nullptr);
    EXPECT_FALSE(Live("SplashWnd.SplashWnd"));
}

}  // namespace
