// Closing the calculator window ends the run with exit status 0, whatever else is
// on screen. Each case runs the event loop in a process of its own.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "framework/ui/Application.h"
#include "tests/support/Gui.h"
#include "windows/MainWnd.h"
#include "windows/SplashWnd.h"

namespace {

enum class AlsoOpen { Nothing, Splash, Information };

constexpr int kLoopNeverEnded = 3;

// Opens the calculator window (and another one), runs the event loop as the
// program does, clicks the calculator window's close button, and leaves with
// the run's exit code.
[[noreturn]] void CloseAndLeave(AlsoOpen also) {
    auto w = MainWnd();
    if (also == AlsoOpen::Splash) {
        SplashWnd()->Show();
    } else if (also == AlsoOpen::Information) {
        QTest::mouseClick(testsupport::Widget(*w->Canvas2()), Qt::LeftButton);
    }
    QTimer::singleShot(100, [] { testsupport::WindowWidget(*MainWnd())->close(); });
    QTimer::singleShot(5000, [] { std::_Exit(kLoopNeverEnded); });
    fw::_RuntimeRun();
    std::_Exit(fw::RuntimeExit());
}

class MainWndClose : public testing::TestWithParam<AlsoOpen> {
  protected:
    // A fresh process per case: the child starts its own runtime.
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_P(MainWndClose, QuitsWithZero) {
    EXPECT_EXIT(CloseAndLeave(GetParam()), testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, MainWndClose,
                         testing::Values(AlsoOpen::Nothing, AlsoOpen::Splash,
                                         AlsoOpen::Information),
                         [](const auto& info) {
                             switch (info.param) {
                                 case AlsoOpen::Splash:
                                     return "WithSplashShowing";
                                 case AlsoOpen::Information:
                                     return "WithInformationOpen";
                                 default:
                                     return "Alone";
                             }
                         });

}  // namespace
