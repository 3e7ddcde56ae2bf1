// The picture items: opened on first need, kept once open, tried again while
// missing. The suite has a resources folder of its own beside its executable,
// into which it copies the program's pictures.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <string>

#include "app/Pictures.h"

namespace {

struct PictureItem {
    const char* name;
    fw::Ref<fw::Picture> (*item)();
    int64_t width, height;  // in points: the size of its file tells which file opened
};

const PictureItem kItems[] = {
    {"Curve", &Curve, 110, 66},
    {"q36", &q36, 30, 32},
    {"QuenvaleTitle", &QuenvaleTitle, 416, 48},
    {"QuenvaleSmTitle", &QuenvaleSmTitle, 310, 44},
};

// The cache slots live for the whole process, so each item is first asked
// while its file is missing and only then while it is there.
TEST(PicturesTest, MissingIsTriedAgainAndOpenedIsKept) {
    QDir folder(QCoreApplication::applicationDirPath() + "/resources");
    ASSERT_TRUE(folder.removeRecursively());
    for (const PictureItem& picture : kItems) {
        SCOPED_TRACE(picture.name);
        const QString file = QString(picture.name) + ".png";

        EXPECT_EQ(picture.item(), nullptr);
        EXPECT_EQ(picture.item(), nullptr);

        ASSERT_TRUE(folder.mkpath(folder.path()));
        ASSERT_TRUE(QFile::copy(QUENVALE_RESOURCES "/" + file, folder.filePath(file)));
        auto first = picture.item();
        ASSERT_NE(first, nullptr) << "a missing picture is tried again";
        EXPECT_EQ(first->Width(), picture.width);
        EXPECT_EQ(first->Height(), picture.height);
        EXPECT_EQ(picture.item(), first);

        // Once open, the picture stays even when its file goes away.
        ASSERT_TRUE(folder.removeRecursively());
        EXPECT_EQ(picture.item(), first);
    }
}

}  // namespace
