// Timers: started by their table, firing from the event loop whether their
// window is shown or hidden, and silent once their window is gone.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <vector>

#include "framework/core/Delegate.h"
#include "framework/core/PropertyTable.h"
#include "framework/ui/Control.h"
#include "framework/ui/Window.h"
#include "tests/support/Gui.h"

namespace {

using testsupport::DismissMessageBoxes;
using testsupport::Wait;

// A window with one timer, made the way the program makes its splash window's.
class TimerWnd : public fw::Window {
  public:
    static const fw::ClassRecord& StaticClass() {
        static const fw::ClassRecord& record = fw::RuntimeClassRecord(
            "TimerTest.TimerWnd", &fw::Window::StaticClass(), [](fw::ClassRecord& r) {
                r.handlers.emplace("Layout", fw::MethodHandler(&TimerWnd::Layout));
                r.handlers.emplace("CreateControls", fw::MethodHandler(&TimerWnd::CreateControls));
            });
        return record;
    }
    const fw::ClassRecord& Class() const override { return StaticClass(); }

    // The timer's table, for the next window made.
    static inline int64_t period = 50;
    static inline int64_t runMode = 1;

    struct Fire {
        qint64 at;  // ms after the timer's table was applied
        bool windowVisible;
    };
    std::vector<Fire> fires;
    QElapsedTimer started;

    fw::Ref<fw::Timer> Timer1() {
        return fw::RuntimeCheckCast<fw::Timer>(_ControlByName("Timer1"));
    }

  private:
    void Layout() {
        fw::_SetProperties(*this, fw::PropertyTable()
                                      .Integer("Width", 120)
                                      .Integer("Height", 80)
                                      .String("Title", "Timer")
                                      .Boolean("Visible", false));
    }
    void CreateControls() {
        auto timer = this->__New<fw::Timer>();
        timer->Constructor();
        _AddControl("Timer1", timer);
        started.start();
        fw::_SetProperties(
            *Timer1(), fw::PropertyTable().Integer("Period", period).Integer("RunMode", runMode));
        auto self = std::static_pointer_cast<TimerWnd>(shared_from_this());
        fw::RuntimeAddEventHandler(
            Timer1(), 0, fw::RuntimeCreateDelegate(&TimerWnd::Timer1_Action, self, "( Timer )", 1));
    }
    void Timer1_Action(fw::Ref<fw::Timer> timer) {
        EXPECT_EQ(timer, Timer1());
        fires.push_back({started.elapsed(), Visible()});
    }
};

using TimerWndRef = fw::Ref<TimerWnd>;

TimerWndRef NewWindow(int64_t period, int64_t runMode) {
    TimerWnd::period = period;
    TimerWnd::runMode = runMode;
    auto window = fw::RuntimeNewObject<TimerWnd>();
    window->Constructor();
    return window;
}

TEST(Timer, SingleShotFiresOnceAfterItsPeriodShownOrHidden) {
    enum Shown { Never, ThenHidden, Showing };
    for (Shown shown : {Never, ThenHidden, Showing}) {
        SCOPED_TRACE(shown);
        TimerWndRef window = NewWindow(50, 1);
        if (shown != Never) {
            window->Show();
        }
        if (shown == ThenHidden) {
            window->Hide();
        }
        Wait(400);
        ASSERT_EQ(window->fires.size(), 1u);
        EXPECT_GE(window->fires[0].at, 50);
        EXPECT_EQ(window->fires[0].windowVisible, shown == Showing);
        EXPECT_EQ(window->Timer1()->RunMode(), fw::Timer::RunModes::Off);
        window->Close();
    }
}

TEST(Timer, StaysSilentOnceItsWindowIsGone) {
    TimerWndRef window = NewWindow(40, 1);
    std::weak_ptr<TimerWnd> weakWindow = window;
    std::weak_ptr<fw::Timer> weakTimer = window->Timer1();
    window->Close();
    window.reset();
    ASSERT_TRUE(weakWindow.expired());
    EXPECT_TRUE(weakTimer.expired());
    const auto texts = DismissMessageBoxes([] { Wait(200); });
    EXPECT_TRUE(texts.empty()) << texts.front();
}

}  // namespace
