// The event loop, Quit and the exit code, unhandled exceptions, start-up and shut-down.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <functional>
#include <stdexcept>
#include <string>

#include "framework/core/Delegate.h"
#include "framework/core/PropertyTable.h"
#include "framework/ui/Application.h"
#include "framework/ui/Control.h"
#include "framework/ui/Dialogs.h"
#include "framework/ui/Menu.h"
#include "framework/ui/Window.h"
#include "tests/support/Gui.h"

namespace {

using testsupport::DismissMessageBoxes;
using testsupport::Wait;

// Runs the application's event loop; false when it had to be ended by the watchdog.
bool RunLoop(int watchdogMs = 5000) {
    bool timedOut = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        QCoreApplication::exit(99);
    });
    watchdog.start(watchdogMs);
    fw::_RuntimeRun();
    return !timedOut;
}

// As the program's own exception callback: hands back runtime errors, raises others again.
std::exception_ptr CallWithExceptionHandling(void (*fn)(void*), void* arg) {
    try {
        fn(arg);
    } catch (const fw::RuntimeException&) {
        return std::current_exception();
    }
    return nullptr;
}

bool LoopStillRuns() {
    bool fired = false;
    QTimer::singleShot(5, [&] { fired = true; });
    Wait(100);
    return fired;
}

TEST(UnhandledException, IsReportedOnStandardErrorAndInAMessageBox) {
    struct Case {
        const char* what;
        std::function<void()> raise;
        std::string expected;
    };
    const Case cases[] = {
        {"nil object", [] { throw fw::NilObjectException("the window is gone"); },
         "NilObjectException: the window is gone"},
        {"cast", [] { throw fw::IllegalCastException("cannot cast Label to TextField"); },
         "IllegalCastException: cannot cast Label to TextField"},
        {"library error", [] { throw std::out_of_range("index 9"); }, "std::out_of_range: index 9"},
        {"not an exception class", [] { throw 42; }, "unknown class"},
    };
    for (bool withHelper : {false, true}) {
        fw::_RuntimeSetExceptionHelper(withHelper ? &CallWithExceptionHandling : nullptr);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (withHelper ? ", with helper" : ", without helper"));
            bool after = false;
            testing::internal::CaptureStderr();
            const auto texts = DismissMessageBoxes([&] {
                fw::RuntimeDispatch([&] {
                    c.raise();
                    after = true;
                });
            });
            const std::string err = testing::internal::GetCapturedStderr();
            EXPECT_FALSE(after);
            ASSERT_EQ(texts.size(), 1u);
            EXPECT_NE(texts[0].find(c.expected), std::string::npos) << texts[0];
            EXPECT_NE(err.find(c.expected), std::string::npos) << err;
            EXPECT_TRUE(LoopStillRuns());
        }
    }
    fw::_RuntimeSetExceptionHelper(nullptr);
}

TEST(UnhandledException, FailingTimerHandlerLeavesTheApplicationRunning) {
    class Target : public fw::Object {
      public:
        void Timer1_Action(fw::Ref<fw::Timer>) {
            ++calls;
            throw fw::NilObjectException("timer handler failed");
        }
        int calls = 0;
    };
    auto target = std::make_shared<Target>();
    auto timer = fw::RuntimeNewObject<fw::Timer>();
    timer->Constructor();
    fw::RuntimeAddEventHandler(
        timer, 0, fw::RuntimeCreateDelegate(&Target::Timer1_Action, target, "( Timer )", 1));
    fw::_SetProperties(*timer, fw::PropertyTable().Integer("Period", 20).Integer("RunMode", 1));

    testing::internal::CaptureStderr();
    const auto texts = DismissMessageBoxes([] { Wait(400); });
    testing::internal::GetCapturedStderr();

    EXPECT_EQ(target->calls, 1);
    ASSERT_EQ(texts.size(), 1u);
    for (const std::string& text : texts) {
        EXPECT_NE(text.find("NilObjectException: timer handler failed"), std::string::npos);
    }
    EXPECT_TRUE(LoopStillRuns());
}

TEST(Quit, TheCodeBecomesTheExitCode) {
    for (int64_t code : {5, 0, -1, 3}) {
        SCOPED_TRACE(code);
        QTimer::singleShot(20, [code] { fw::RuntimeDispatch([code] { fw::Quit(code); }); });
        ASSERT_TRUE(RunLoop());
        EXPECT_EQ(fw::RuntimeExit(), code);
    }
}

TEST(Quit, BeforeTheLoopEndsItAsSoonAsItStarts) {
    fw::Quit(3);
    // Nested loops in between (message boxes, waits) are not ended by it.
    EXPECT_TRUE(LoopStillRuns());
    EXPECT_EQ(DismissMessageBoxes([] { fw::MsgBox("Still waits"); }),
              std::vector<std::string>{"Still waits"});
    ASSERT_TRUE(RunLoop(2000));
    EXPECT_EQ(fw::RuntimeExit(), 3);
    // It was used up: the next loop runs until its own Quit.
    bool ranOn = false;
    QTimer::singleShot(50, [&] {
        ranOn = true;
        fw::Quit(1);
    });
    ASSERT_TRUE(RunLoop());
    EXPECT_TRUE(ranOn);
    EXPECT_EQ(fw::RuntimeExit(), 1);
}

TEST(Quit, WhileAMessageBoxIsOpenEndsBoth) {
    bool boxReturned = false;
    QTimer::singleShot(0, [&] {
        fw::RuntimeDispatch([&] {
            fw::MsgBox("Open while quitting");
            boxReturned = true;
        });
    });
    QTimer::singleShot(150, [] { fw::Quit(6); });
    ASSERT_TRUE(RunLoop());
    EXPECT_TRUE(boxReturned);
    EXPECT_EQ(fw::RuntimeExit(), 6);
    // Later boxes still wait for the user.
    EXPECT_EQ(DismissMessageBoxes([] { fw::MsgBox("Later"); }), std::vector<std::string>{"Later"});
}

int lateStartups = 0;

TEST(FrameworkInitialization, RunsTheLateStartUpOnceAtOnceAndPassesItsError) {
    EXPECT_THROW(fw::_RunFrameworkInitialization([] {
                     ++lateStartups;
                     throw fw::NilObjectException("no splash window");
                 }),
                 fw::NilObjectException);
    EXPECT_EQ(lateStartups, 1);
    fw::_RunFrameworkInitialization([] { ++lateStartups; });
    EXPECT_EQ(lateStartups, 1);
}

TEST(ExternalClasses, AreRegisteredUnderTheirNames) {
    fw::_RuntimeInitExternalClasses();
    const struct {
        const char* name;
        const char* ancestor;
    } classes[] = {
        {"Application", "Object"},    {"Window", "Object"},           {"Control", "Object"},
        {"RectControl", "Control"},   {"GroupBox", "RectControl"},    {"TextField", "RectControl"},
        {"Label", "RectControl"},     {"RadioButton", "RectControl"}, {"PushButton", "RectControl"},
        {"Canvas", "RectControl"},    {"Separator", "RectControl"},   {"TextArea", "RectControl"},
        {"Timer", "Control"},         {"MenuItem", "Object"},         {"MenuBar", "MenuItem"},
        {"QuitMenuItem", "MenuItem"}, {"AppleMenuItem", "MenuItem"},  {"Picture", "Object"},
        {"WeakRef", "Object"},        {"FileType", "Object"},
    };
    for (const auto& c : classes) {
        SCOPED_TRACE(c.name);
        const fw::ClassRecord* record = fw::RuntimeLookupClass(c.name);
        const fw::ClassRecord* ancestor = fw::RuntimeLookupClass(c.ancestor);
        ASSERT_NE(record, nullptr);
        ASSERT_NE(ancestor, nullptr);
        EXPECT_TRUE(record->IsA(*ancestor));
    }
    const fw::EventDecl* action = fw::Timer::StaticClass().FindEvent(0);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->signature, "( Timer )");
}

TEST(AppObject, StaysRegisteredAndNamesTheApplication) {
    auto app = fw::RuntimeNewObject<fw::Application>();
    app->_x_SetVersionData(3, 0, 0, 0, 3, "(c) the authors", "3.0", "Quenvale");
    fw::_RuntimeRegisterAppObject(app);
    app.reset();
    ASSERT_NE(fw::App(), nullptr);
    EXPECT_EQ(fw::App()->ShortVersion(), "3.0");
    EXPECT_EQ(QCoreApplication::applicationName().toStdString(), "Quenvale");
    EXPECT_EQ(QCoreApplication::applicationVersion().toStdString(), "3.0");
    // One application object per run: a second one or nil is refused.
    EXPECT_THROW(fw::_RuntimeRegisterAppObject(fw::RuntimeNewObject<fw::Application>()),
                 fw::RuntimeException);
    EXPECT_THROW(fw::_RuntimeRegisterAppObject(nullptr), fw::NilObjectException);
    EXPECT_EQ(fw::App()->ShortVersion(), "3.0");
}

// A window that quits when it closes, like the calculator window.
class QuittingWnd : public fw::Window {
  public:
    static const fw::ClassRecord& StaticClass() {
        static const fw::ClassRecord& record = fw::RuntimeClassRecord(
            "RuntimeTest.QuittingWnd", &fw::Window::StaticClass(), [](fw::ClassRecord& r) {
                r.handlers.emplace("Layout", fw::MethodHandler(&QuittingWnd::Layout));
                r.handlers.emplace("Close", fw::MethodHandler(&QuittingWnd::Event_Close));
            });
        return record;
    }
    const fw::ClassRecord& Class() const override { return StaticClass(); }

    void Layout() {
        fw::_SetProperties(*this, fw::PropertyTable()
                                      .Integer("Width", 200)
                                      .Integer("Height", 100)
                                      .String("Title", "Quitting")
                                      .Boolean("Visible", true));
    }
    void Event_Close() {
        ++closes;
        fw::Quit(0);
    }
    static inline int closes = 0;
};

// Last: it shuts the runtime's windows and application object down.
TEST(Finalizers, ReleaseWindowsAndTheAppObjectAndKeepTheExitCode) {
    fw::Quit(4);
    ASSERT_TRUE(RunLoop(2000));

    fw::Ref<fw::Application> app = fw::App();
    if (!app) {
        app = fw::RuntimeNewObject<fw::Application>();
        fw::_RuntimeRegisterAppObject(app);
    }
    auto bar = fw::RuntimeNewObject<fw::MenuBar>();
    app->MenuBar(bar);
    std::weak_ptr<fw::Application> weakApp = app;
    std::weak_ptr<fw::MenuBar> weakBar = bar;
    app.reset();
    bar.reset();

    auto window = fw::RuntimeNewObject<QuittingWnd>();
    window->Constructor();
    std::weak_ptr<fw::Window> weakWindow = window;
    window.reset();
    ASSERT_NE(fw::_GetImplicitWindow("RuntimeTest.QuittingWnd"), nullptr);

    fw::RuntimePerformFinalizers();

    EXPECT_EQ(QuittingWnd::closes, 1);
    EXPECT_TRUE(weakWindow.expired());
    EXPECT_EQ(fw::_GetImplicitWindow("RuntimeTest.QuittingWnd"), nullptr);
    EXPECT_EQ(fw::App(), nullptr);
    EXPECT_TRUE(weakApp.expired());
    EXPECT_TRUE(weakBar.expired());
    // The window's Quit(0) while shutting down does not replace the code.
    EXPECT_EQ(fw::RuntimeExit(), 4);
}

}  // namespace
