// The splash window: hidden at once by a click or a key, yet handing over to the
// calculator window exactly once, 4000 ms after it opened; later the About box.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "tests/support/Gui.h"
#include "windows/SplashWnd.h"

namespace {

bool Shown(const fw::Ref<fw::Window>& window) {
    return window != nullptr && testsupport::WindowWidget(*window)->isVisible();
}

TEST(Splash, HiddenByAClickStillHandsOverOnceAt4000ms) {
    QElapsedTimer clock;
    clock.start();
    auto splash = SplashWnd();
    testsupport::Wait(10);
    ASSERT_TRUE(Shown(splash));
    EXPECT_FALSE(qobject_cast<QLabel*>(testsupport::Control(*splash, "Label1"))->text().isEmpty());
    // On the window, away from its pictures and its notice.
    QTest::mouseClick(testsupport::WindowWidget(*splash)->windowHandle(), Qt::LeftButton, {},
                      QPoint(5, 190));
    EXPECT_FALSE(Shown(splash));

    testsupport::Wait(static_cast<int>(3500 - clock.elapsed()));
    ASSERT_LT(clock.elapsed(), 4000) << "the machine is too slow to time the hand-over";
    EXPECT_EQ(fw::_GetImplicitWindow("MainWnd.MainWnd"), nullptr)
        << "the calculator window opened early";
    testsupport::Wait(static_cast<int>(4500 - clock.elapsed()));
    const auto calculator = fw::_GetImplicitWindow("MainWnd.MainWnd");
    EXPECT_TRUE(Shown(calculator)) << "the calculator window did not open";
    EXPECT_FALSE(Shown(splash));

    // As the About box it stays until a key: the timer does not fire again.
    splash->Show();
    testsupport::Wait(4500);
    EXPECT_TRUE(Shown(splash)) << "a second hand-over hid the About box";
    QTest::keyClick(testsupport::WindowWidget(*splash), Qt::Key_A);
    EXPECT_FALSE(Shown(splash));
    EXPECT_TRUE(Shown(calculator));
    EXPECT_EQ(fw::_GetImplicitWindow("MainWnd.MainWnd"), calculator);
}

}  // namespace
