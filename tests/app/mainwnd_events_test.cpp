// Closing the calculator window, or Quit from the keyboard, ends the run with
// exit status 0 whatever else is on screen. Each way runs in a process of its own.
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

const char* const kWays[] = {"the close button", "the close button with the splash window shown",
                             "the close button with the Information window open", "Ctrl+Q"};

// Runs the event loop as the program does, quits the way given, and leaves the
// process with the run's exit code; 3 when the loop never ended.
[[noreturn]] void QuitAndLeave(int way) {
    QWidget* calculator = screen::Window(*MainWnd());
    if (way == 1) {
        SplashWnd()->Show();
    } else if (way == 2) {
        QTest::mouseClick(screen::Control(*MainWnd(), "Canvas2"), Qt::LeftButton);
    }
    QTimer::singleShot(100, [calculator, way] {
        if (way == 3) {
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

TEST(Quitting, EndsTheRunWithZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (int way = 0; way < 4; ++way) {
        EXPECT_EXIT(QuitAndLeave(way), testing::ExitedWithCode(0), "") << kWays[way];
    }
}

}  // namespace
