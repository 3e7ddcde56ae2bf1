// The picture items: opened on first need, kept once open, tried again while missing.
#include <gtest/gtest.h>

#include <QTemporaryDir>
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
    const std::string resources = fw::Picture::ResourceFolder();
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());

    for (const PictureItem& picture : kItems) {
        SCOPED_TRACE(picture.name);

        fw::Picture::SetResourceFolder(empty.path().toStdString());
        uint64_t opens = fw::Picture::OpenCount();
        EXPECT_EQ(picture.item(), nullptr);
        EXPECT_EQ(picture.item(), nullptr);
        EXPECT_EQ(fw::Picture::OpenCount(), opens + 2);

        fw::Picture::SetResourceFolder(resources);
        opens = fw::Picture::OpenCount();
        auto first = picture.item();
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(first->Width(), picture.width);
        EXPECT_EQ(first->Height(), picture.height);
        EXPECT_EQ(picture.item(), first);
        EXPECT_EQ(fw::Picture::OpenCount(), opens + 1);

        // Once open, the picture stays even when its file goes away.
        fw::Picture::SetResourceFolder(empty.path().toStdString());
        EXPECT_EQ(picture.item(), first);
        EXPECT_EQ(fw::Picture::OpenCount(), opens + 1);
        fw::Picture::SetResourceFolder(resources);
    }
}

}  // namespace
