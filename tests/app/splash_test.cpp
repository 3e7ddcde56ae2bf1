// The splash window: how it looks, hiding on a click or a key, and the one
// hand-over to the calculator window 4000 ms after it opened.
//
// The cases run in file order and share the run's windows, as a real run does:
// each hand-over case starts with a fresh splash window (and so a fresh timer)
// by closing the previous one.
#include <gtest/gtest.h>

#include <QColor>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QTest>
#include <QWidget>

#include "app/Pictures.h"
#include "app/Quenvale.h"
#include "tests/support/Gui.h"
#include "windows/MainWnd.h"
#include "windows/SplashWnd.h"

namespace {

using SplashRef = fw::Ref<class SplashWnd>;

// The hand-over must come at 4000 ms: not seen at 3500, seen by 4500.
constexpr int kBefore = 3500;
constexpr int kAfter = 4500;

void WaitUntil(const QElapsedTimer& clock, int ms) {
    const qint64 left = ms - clock.elapsed();
    if (left > 0) {
        testsupport::Wait(static_cast<int>(left));
    }
}

bool Shown(const fw::Ref<fw::Window>& w) {
    return w && w->Visible() && testsupport::WindowWidget(*w)->isVisible();
}

fw::Ref<fw::Window> LiveMainWnd() {
    return fw::_GetImplicitWindow("MainWnd.MainWnd");
}

// A splash window made now, as the start-up makes it; the old one goes first.
SplashRef FreshSplash(QElapsedTimer& clock) {
    if (auto old = fw::_GetImplicitWindow("SplashWnd.SplashWnd")) {
        old->Close();
    }
    clock.start();
    SplashRef splash = SplashWnd();
    testsupport::Wait(10);
    return splash;
}

void Click(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

TEST(SplashTest, WhiteBorderlessWindowWithTitleCurveAndNotice) {
    QElapsedTimer clock;
    SplashRef splash = FreshSplash(clock);
    EXPECT_EQ(SplashWnd(), splash);
    EXPECT_TRUE(Shown(splash));
    EXPECT_EQ(testsupport::ContentWidget(*splash)->width(), 350);
    EXPECT_EQ(testsupport::ContentWidget(*splash)->height(), 200);
    EXPECT_EQ(splash->Title(), "");
    EXPECT_EQ(splash->MenuBar(), nullptr);

    QWidget* top = testsupport::WindowWidget(*splash);
    EXPECT_TRUE(top->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(top->minimumSize(), top->maximumSize()) << "the window must not be resizable";
    QWidget* content = testsupport::ContentWidget(*splash);
    EXPECT_TRUE(content->autoFillBackground());
    EXPECT_EQ(content->palette().color(QPalette::Window), QColor(Qt::white));

    struct Place {
        const char* name;
        fw::Ref<fw::RectControl> control;
        int64_t left, top, width, height;
    };
    const Place places[] = {
        {"Canvas4", splash->Canvas4(), 122, 92, 107, 64},
        {"Canvas2", splash->Canvas2(), 20, 20, 310, 44},
        {"Label1", splash->Label1(), 20, 157, 310, 20},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.name);
        EXPECT_EQ(testsupport::Place(*p.control).x(), p.left);
        EXPECT_EQ(testsupport::Place(*p.control).y(), p.top);
        EXPECT_EQ(testsupport::Place(*p.control).width(), p.width);
        EXPECT_EQ(testsupport::Place(*p.control).height(), p.height);
        EXPECT_TRUE(testsupport::Widget(*p.control)->isVisible());
    }

    // The pictures are the shared picture items, opened once for every window.
    EXPECT_EQ(splash->Canvas4()->Backdrop(), Curve());
    EXPECT_EQ(splash->Canvas2()->Backdrop(), QuenvaleSmTitle());
    EXPECT_NE(Curve(), nullptr);
    EXPECT_NE(QuenvaleSmTitle(), nullptr);

    EXPECT_EQ(splash->Label1()->Text(), kQuenvaleNotice);
    auto* label = qobject_cast<QLabel*>(testsupport::Widget(*splash->Label1()));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text().toStdString(), kQuenvaleNotice);
    EXPECT_TRUE(label->alignment().testFlag(Qt::AlignHCenter));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(153, 0, 2));
    // The whole notice must be readable on its one line.
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width());

    auto timer = std::dynamic_pointer_cast<SplashWnd::_wrapper_Timer1>(splash->Timer1());
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->Class().name, "SplashWnd._wrapper_Timer1");
    EXPECT_EQ(timer->Period(), 4000);
    EXPECT_EQ(timer->RunMode(), fw::Timer::RunModes::Single);
    ASSERT_NE(timer->mWindow, nullptr);
    EXPECT_EQ(timer->mWindow->Value(), splash);
}

TEST(SplashTest, HiddenByAClickStillHandsOverAt4000ms) {
    ASSERT_EQ(LiveMainWnd(), nullptr);
    QElapsedTimer clock;
    SplashRef splash = FreshSplash(clock);
    // On the window, away from the controls.
    Click(testsupport::ContentWidget(*splash), QPoint(5, 190));
    EXPECT_FALSE(Shown(splash));

    WaitUntil(clock, kBefore);
    ASSERT_LT(clock.elapsed(), 4000) << "the machine is too slow to time the hand-over";
    EXPECT_EQ(LiveMainWnd(), nullptr) << "the calculator window opened early";

    WaitUntil(clock, kAfter);
    EXPECT_TRUE(Shown(LiveMainWnd())) << "the calculator window did not open";
    EXPECT_FALSE(Shown(splash));
}

TEST(SplashTest, AboutBoxStaysUntilAClickOrKeyAndNoSecondHandOver) {
    auto mainWnd = LiveMainWnd();
    ASSERT_TRUE(Shown(mainWnd));
    SplashRef splash = SplashWnd();
    splash->Show();  // as "About Quenvale" does
    EXPECT_TRUE(Shown(splash));

    testsupport::Wait(kAfter);
    EXPECT_TRUE(Shown(splash)) << "the timer fired a second time";
    EXPECT_TRUE(Shown(mainWnd));

    // A key in the About box hides only the splash window.
    QTest::keyClick(testsupport::WindowWidget(*splash), Qt::Key_A);
    EXPECT_FALSE(Shown(splash));
    EXPECT_TRUE(Shown(mainWnd));

    // A click on the title picture hides it too.
    splash->Show();
    Click(testsupport::Widget(*splash->Canvas2()), QPoint(80, 20));
    EXPECT_FALSE(Shown(splash));
    EXPECT_TRUE(Shown(mainWnd));
    EXPECT_EQ(LiveMainWnd(), mainWnd);
}

TEST(SplashTest, HiddenByAKeyStillHandsOverAt4000ms) {
    auto mainWnd = LiveMainWnd();
    ASSERT_NE(mainWnd, nullptr);
    mainWnd->Hide();  // so that the hand-over shows

    QElapsedTimer clock;
    SplashRef splash = FreshSplash(clock);
    QTest::keyClick(testsupport::WindowWidget(*splash), Qt::Key_Space);
    EXPECT_FALSE(Shown(splash));

    WaitUntil(clock, kBefore);
    ASSERT_LT(clock.elapsed(), 4000) << "the machine is too slow to time the hand-over";
    EXPECT_FALSE(Shown(mainWnd)) << "the calculator window was shown early";

    WaitUntil(clock, kAfter);
    EXPECT_TRUE(Shown(mainWnd));
    EXPECT_EQ(LiveMainWnd(), mainWnd) << "the hand-over made a second calculator window";
}

TEST(SplashTest, UntouchedSplashStaysUntilTheHandOver) {
    auto mainWnd = LiveMainWnd();
    ASSERT_NE(mainWnd, nullptr);
    mainWnd->Hide();

    QElapsedTimer clock;
    SplashRef splash = FreshSplash(clock);
    WaitUntil(clock, kBefore);
    ASSERT_LT(clock.elapsed(), 4000) << "the machine is too slow to time the hand-over";
    EXPECT_TRUE(Shown(splash));
    EXPECT_FALSE(Shown(mainWnd));

    WaitUntil(clock, kAfter);
    EXPECT_FALSE(Shown(splash));
    EXPECT_TRUE(Shown(mainWnd));
}

}  // namespace
