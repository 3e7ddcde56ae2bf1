// Closing the calculator window, or Ctrl+Q in any of the program's windows, ends
// the run with exit status 0 whatever else is on screen; a message box holds
// Ctrl+Q back. Each way runs the event loop in a process of its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <functional>

#include "framework/ui/Application.h"
#include "framework/ui/Dialogs.h"
#include "startup/Startup.h"
#include "tests/support/Gui.h"
#include "windows/MainWnd.h"
#include "windows/Qwindow.h"
#include "windows/SplashWnd.h"

namespace {

constexpr int kLoopNeverEnded = 3;
constexpr int kBoxStayed = 7;

enum class InFront { Calculator, Splash, Information, MessageBox };
struct Way {
    const char* name;
    InFront active;
    bool ctrlQ;  // else the calculator window's close button
};
const Way kWays[] = {
    {"the close button", InFront::Calculator, false},
    {"the close button with the splash window shown", InFront::Splash, false},
    {"the close button with the Information window open", InFront::Information, false},
    {"Ctrl+Q in the calculator window", InFront::Calculator, true},
    {"Ctrl+Q in the splash window", InFront::Splash, true},
    {"Ctrl+Q in the Information window", InFront::Information, true},
    {"Ctrl+Q in a message box", InFront::MessageBox, true},  // the box stays, the run goes on
};

// Runs the event loop as the program does, with then on its first turns, and
// leaves the process with the run's exit code.
[[noreturn]] void RunAndLeave(const std::function<void()>& then) {
    QTimer::singleShot(100, then);
    QTimer::singleShot(5000, [] { std::_Exit(kLoopNeverEnded); });
    fw::_RuntimeRun();
    std::_Exit(fw::RuntimeExit());
}

[[noreturn]] void QuitAndLeave(const Way& way) {
    _NewAppInstance();  // the application object and its menu bar, as at start-up
    QWidget* calculator = testsupport::WindowWidget(*MainWnd());
    QWidget* active = calculator;
    if (way.active == InFront::Splash) {
        SplashWnd()->Show();
        active = testsupport::WindowWidget(*SplashWnd());
    } else if (way.active == InFront::Information) {
        QTest::mouseClick(testsupport::Control(*MainWnd(), "Canvas2"), Qt::LeftButton);
        active = testsupport::WindowWidget(*Qwindow());
    }
    RunAndLeave([&way, calculator, active] {
        if (!way.ctrlQ) {
            calculator->close();
        } else if (way.active != InFront::MessageBox) {
            QApplication::setActiveWindow(active);
            QTest::keyClick(active, Qt::Key_Q, Qt::ControlModifier);
        } else {
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
        }
    });
}

TEST(Quitting, EndsTheRunWithZeroUnlessAMessageBoxIsOpen) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const Way& way : kWays) {
        const int code = way.active == InFront::MessageBox ? kBoxStayed : 0;
        EXPECT_EXIT(QuitAndLeave(way), testing::ExitedWithCode(code), "") << way.name;
    }
}

}  // namespace
