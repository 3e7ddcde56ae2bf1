// Closing the calculator window, or Quit from the keyboard, ends the run with
// exit status 0 whatever else is on screen. Each case runs in a process of its own.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

#include "framework/ui/Application.h"
#include "tests/support/Screen.h"
#include "windows/MainWnd.h"
#include "windows/SplashWnd.h"

namespace {

enum class Quitting { Close, CloseWithSplash, CloseWithInformation, ControlQ };
const char* const kQuitting[] = {"CloseButton", "CloseButtonWithSplashShown",
                                 "CloseButtonWithInformationOpen", "ControlQ"};

// Runs the event loop as the program does, quits as the case says, and leaves
// the process with the run's exit code; 3 when the loop never ended.
[[noreturn]] void QuitAndLeave(Quitting how) {
    QWidget* calculator = screen::Window(*MainWnd());
    if (how == Quitting::CloseWithSplash) {
        SplashWnd()->Show();
    } else if (how == Quitting::CloseWithInformation) {
        QTest::mouseClick(screen::Control(*MainWnd(), "Canvas2"), Qt::LeftButton);
    }
    QTimer::singleShot(100, [calculator, how] {
        if (how == Quitting::ControlQ) {
            calculator->activateWindow();
            QTest::keyClick(calculator->windowHandle(), Qt::Key_Q, Qt::ControlModifier);
        } else {
            calculator->close();
        }
    });
    QTimer::singleShot(5000, [] { std::_Exit(3); });
    fw::_RuntimeRun();
    std::_Exit(fw::RuntimeExit());
}

class QuitWithZero : public testing::TestWithParam<Quitting> {
  protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_P(QuitWithZero, EndsTheRun) {
    EXPECT_EXIT(QuitAndLeave(GetParam()), testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, QuitWithZero,
                         testing::Values(Quitting::Close, Quitting::CloseWithSplash,
                                         Quitting::CloseWithInformation, Quitting::ControlQ),
                         [](const testing::TestParamInfo<Quitting>& info) {
                             return kQuitting[static_cast<int>(info.param)];
                         });

}  // namespace
