// Closing the calculator window, or Ctrl+Q in any of the program's windows,
// ends the run with exit status 0, whatever else is on screen; a message box
// holds Ctrl+Q back. Each case runs the event loop in a process of its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "framework/ui/Application.h"
#include "framework/ui/Dialogs.h"
#include "startup/Startup.h"
#include "tests/support/Gui.h"
#include "windows/MainWnd.h"
#include "windows/Qwindow.h"
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

// Opens the calculator window, then brings up the window that is to be
// active, presses Ctrl+Q there and leaves with the run's exit code.
[[noreturn]] void CtrlQAndLeave(AlsoOpen active) {
    _NewAppInstance();  // the application object and its menu bar, as at start-up
    auto w = MainWnd();
    if (active == AlsoOpen::Splash) {
        SplashWnd()->Show();
    } else if (active == AlsoOpen::Information) {
        QTest::mouseClick(testsupport::Widget(*w->Canvas2()), Qt::LeftButton);
    }
    QTimer::singleShot(100, [active] {
        QWidget* top = active == AlsoOpen::Splash        ? testsupport::WindowWidget(*SplashWnd())
                       : active == AlsoOpen::Information ? testsupport::WindowWidget(*Qwindow())
                                                         : testsupport::WindowWidget(*MainWnd());
        QApplication::setActiveWindow(top);
        QTest::keyClick(top, Qt::Key_Q, Qt::ControlModifier);
    });
    QTimer::singleShot(5000, [] { std::_Exit(kLoopNeverEnded); });
    fw::_RuntimeRun();
    std::_Exit(fw::RuntimeExit());
}

TEST_P(MainWndClose, CtrlQInTheActiveWindowQuitsWithZero) {
    EXPECT_EXIT(CtrlQAndLeave(GetParam()), testing::ExitedWithCode(0), "");
}

constexpr int kBoxStayed = 7;

// Ctrl+Q pressed in an open message box: the box stays, the run goes on.
[[noreturn]] void CtrlQInAMessageBox() {
    _NewAppInstance();
    MainWnd();
    QTimer::singleShot(100, [] {
        QTimer::singleShot(100, [] {
            QWidget* box = QApplication::activeModalWidget();
            if (box == nullptr) {
                std::_Exit(kLoopNeverEnded);
            }
            QTest::keyClick(box, Qt::Key_Q, Qt::ControlModifier);
            QTimer::singleShot(200, [box] {
                std::_Exit(QApplication::activeModalWidget() == box ? kBoxStayed : 0);
            });
        });
        fw::MsgBox("Value out of range");
    });
    QTimer::singleShot(5000, [] { std::_Exit(kLoopNeverEnded); });
    fw::_RuntimeRun();
    std::_Exit(fw::RuntimeExit());
}

TEST(MainWndQuit, AMessageBoxHoldsCtrlQBack) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(CtrlQInAMessageBox(), testing::ExitedWithCode(kBoxStayed), "");
}

}  // namespace
