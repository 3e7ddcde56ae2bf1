// The picture items: tried again while their file is missing, opened once and
// shared by every window once it opens. The suite has a resources folder of its
// own beside its executable, which it fills with the program's pictures and empties.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <utility>

#include "app/Pictures.h"
#include "tests/support/Gui.h"
#include "windows/MainWnd.h"
#include "windows/SplashWnd.h"

namespace {

QDir Resources() {
    return QDir(QCoreApplication::applicationDirPath() + "/resources");
}

void Fill() {
    QDir folder = Resources();
    ASSERT_TRUE(folder.mkpath("."));
    for (const QString& file : QDir(QUENVALE_RESOURCES).entryList({"*.png"})) {
        ASSERT_TRUE(QFile::copy(QUENVALE_RESOURCES "/" + file, folder.filePath(file)))
            << file.toStdString();
    }
}

// The caches live as long as the process, so the files are missing first.
TEST(Pictures, MissingIsTriedAgainOpenedIsKeptAndShared) {
    ASSERT_TRUE(Resources().removeRecursively());
    // Without its pictures the splash window still opens.
    auto splash = SplashWnd();
    EXPECT_TRUE(splash->Visible());
    EXPECT_EQ(splash->Canvas4()->Backdrop(), nullptr);
    for (auto* item : {&Curve, &q36, &QuenvaleTitle, &QuenvaleSmTitle}) {
        EXPECT_EQ(item(), nullptr);
    }

    Fill();
    auto calculator = MainWnd();
    // The width in points tells which file opened.
    for (const auto& [item, width] :
         {std::pair{&Curve, 110}, {&q36, 30}, {&QuenvaleTitle, 416}, {&QuenvaleSmTitle, 310}}) {
        fw::Ref<fw::Picture> opened = item();
        ASSERT_NE(opened, nullptr) << "a missing picture is tried again";
        EXPECT_EQ(opened->Width(), width);
        ASSERT_TRUE(Resources().removeRecursively());
        EXPECT_EQ(item(), opened) << "an opened picture is kept";
        Fill();
    }
    EXPECT_EQ(calculator->Canvas3()->Backdrop(), Curve());
    EXPECT_EQ(calculator->Canvas2()->Backdrop(), q36());
    EXPECT_EQ(calculator->Canvas1()->Backdrop(), QuenvaleTitle());
    splash->Close();
    EXPECT_EQ(SplashWnd()->Canvas4()->Backdrop(), Curve()) << "one curve for both windows";
}

}  // namespace
