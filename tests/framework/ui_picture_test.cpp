// Pictures opened by name from the resources folder beside the executable.
// The suite has a folder of its own in the build tree and writes its pictures
// there.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <string>

#include "framework/ui/Picture.h"
#include "framework/ui/detail/PictureImpl.h"

namespace {

class PictureTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.mkpath(folder_.path()));
        Write("Plain.png", 30, 20);
        Write("Sharp.png", 30, 20);
        Write("Sharp@2x.png", 60, 40);
        Write("OnlyTwin@2x.png", 30, 20);
        Write("BadTwin.png", 12, 8);
        Garbage("BadTwin@2x.png");
        Garbage("Broken.png");
    }
    void TearDown() override { folder_.removeRecursively(); }

    void Write(const QString& name, int width, int height) {
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(folder_.filePath(name), "PNG"));
    }
    void Garbage(const QString& name) {
        QFile file(folder_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\x89PNG\r\n\x1a\n but not really a picture");
    }

    QDir folder_{QCoreApplication::applicationDirPath() + "/resources"};
};

// The suite runs once on a normal screen and once on a double-density one.
TEST_F(PictureTest, OpensByNameWithTheTwinOfTheScreensDensityOrGivesNil) {
    const bool dense = qApp->devicePixelRatio() > 1.0;
    const struct {
        const char* name;
        bool opens;
        int64_t width, height;  // points
        double ratio;
    } cases[] = {
        {"Plain.png", true, 30, 20, 1.0},
        {"Sharp.png", true, 30, 20, dense ? 2.0 : 1.0},
        {"OnlyTwin.png", true, 15, 10, 2.0},
        {"BadTwin.png", true, 12, 8, 1.0},
        {"Missing.png", false, 0, 0, 0},
        {"Broken.png", false, 0, 0, 0},
        {"", false, 0, 0, 0},
        {"Sharp", false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fw::Ref<fw::Picture> picture = fw::Picture::_OpenFromApp(c.name);
        if (!c.opens) {
            EXPECT_EQ(picture, nullptr);
            continue;
        }
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->Width(), c.width);
        EXPECT_EQ(picture->Height(), c.height);
        EXPECT_EQ(picture->_Impl().pixmap.devicePixelRatio(), c.ratio);
    }
}

TEST_F(PictureTest, EveryOpeningReadsTheFileAgain) {
    auto first = fw::Picture::_OpenFromApp("Plain.png");
    Write("Plain.png", 40, 10);
    auto second = fw::Picture::_OpenFromApp("Plain.png");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->Width(), 30);
    EXPECT_EQ(second->Width(), 40);
}

TEST_F(PictureTest, NothingOpensWithoutTheFolder) {
    ASSERT_TRUE(folder_.removeRecursively());
    EXPECT_EQ(fw::Picture::_OpenFromApp("Plain.png"), nullptr);
}

}  // namespace
