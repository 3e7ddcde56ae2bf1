// The picture items: tried again while their file is missing, opened once and
// shared by every window once it opens.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/Pictures.h"
#include "tests/support/Gui.h"
#include "tests/support/Screen.h"
#include "windows/MainWnd.h"
#include "windows/SplashWnd.h"

namespace {

// The caches live as long as the process, so the files are missing first.
TEST(Pictures, MissingIsTriedAgainOpenedIsKeptAndShared) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    screen::PictureFolder(empty.path().toStdString());
    // Without its pictures the splash window still opens.
    auto splash = SplashWnd();
    EXPECT_TRUE(splash->Visible());
    EXPECT_EQ(splash->Canvas4()->Backdrop(), nullptr);
    for (auto* item : {&Curve, &q36, &QuenvaleTitle, &QuenvaleSmTitle}) {
        EXPECT_EQ(item(), nullptr);
    }

    screen::PictureFolder("");
    auto calculator = MainWnd();
    for (auto* item : {&Curve, &q36, &QuenvaleTitle, &QuenvaleSmTitle}) {
        fw::Ref<fw::Picture> opened = item();
        ASSERT_NE(opened, nullptr) << "a missing picture is tried again";
        screen::PictureFolder(empty.path().toStdString());
        EXPECT_EQ(item(), opened) << "an opened picture is kept";
        screen::PictureFolder("");
    }
    EXPECT_EQ(calculator->Canvas3()->Backdrop(), Curve());
    EXPECT_EQ(calculator->Canvas2()->Backdrop(), q36());
    EXPECT_EQ(calculator->Canvas1()->Backdrop(), QuenvaleTitle());
    splash->Close();
    EXPECT_EQ(SplashWnd()->Canvas4()->Backdrop(), Curve()) << "one curve for both windows";
}

}  // namespace
