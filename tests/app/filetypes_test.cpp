// The declared file type: built and registered once at start-up.
#include <gtest/gtest.h>

#include "app/FileTypes.h"

namespace {

// The set is process-wide and starts empty, so the whole life of it is one test.
TEST(FileTypesTest, RegistersTextOnceWhenInitialized) {
    EXPECT_EQ(FileTypes::Text(), nullptr);
    EXPECT_TRUE(FileTypes::pAllFileTypes.empty());
    EXPECT_TRUE(fw::RuntimeRegisteredFileTypes().empty());

    FileTypes::_Initialize();

    auto text = FileTypes::Text();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Name(), "text");
    EXPECT_EQ(text->Extensions(), "");
    EXPECT_EQ(text->MacType(), "TEXT");
    EXPECT_EQ(text->MacCreator(), "R*ch");
    EXPECT_EQ(text->MimeType(), "");
    EXPECT_TRUE(text->Imported());
    EXPECT_EQ(text->ConformsTo(), "");
    EXPECT_EQ(text->UTI(), "");
    EXPECT_TRUE(text->Registered());
    ASSERT_EQ(FileTypes::pAllFileTypes.size(), 1u);
    EXPECT_EQ(FileTypes::pAllFileTypes[0], text);

    const auto& registered = fw::RuntimeRegisteredFileTypes();
    ASSERT_EQ(registered.size(), 1u);
    EXPECT_EQ(registered[0].name, "text");
    EXPECT_EQ(registered[0].creator, "R*ch");
    EXPECT_EQ(registered[0].type, "TEXT");
    EXPECT_EQ(registered[0].extensions, "");
    EXPECT_EQ(registered[0].uti, "");

    // Converting the registered type again yields its name and registers nothing
    // more: a registration would move "text" behind a type registered after it.
    fw::RuntimeRegisterFileType("probe", "", "", "", "");
    EXPECT_EQ(text->ToString(), "text");
    const auto& after = fw::RuntimeRegisteredFileTypes();
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0].name, "text");
    EXPECT_EQ(after[1].name, "probe");
    EXPECT_EQ(FileTypes::Text(), text);
}

}  // namespace
