// Declared file types: registered once, by the String conversion.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/FileType.h"

namespace {

std::vector<std::string> RegisteredNames() {
    std::vector<std::string> names;
    for (const auto& t : fw::RuntimeRegisteredFileTypes()) {
        names.push_back(t.name);
    }
    return names;
}

// The text type as the program declares it.
fw::Ref<fw::FileType> TextType() {
    auto type = fw::RuntimeNewObject<fw::FileType>();
    type->Name("text");
    type->Extensions("");
    type->MacType("TEXT");
    type->MacCreator("R*ch");
    type->MimeType("");
    type->Imported(true);
    type->ConformsTo("");
    return type;
}

TEST(FileType, StringConversionRegistersOnce) {
    auto type = TextType();
    EXPECT_FALSE(type->Registered());
    EXPECT_TRUE(RegisteredNames().empty());
    EXPECT_EQ(type->ToString(), "text");
    EXPECT_TRUE(type->Registered());
    EXPECT_EQ(type->ToString(), "text");
    ASSERT_EQ(fw::RuntimeRegisteredFileTypes().size(), 1u);
    const fw::RegisteredFileType& entry = fw::RuntimeRegisteredFileTypes()[0];
    EXPECT_EQ(entry.name, "text");
    EXPECT_EQ(entry.creator, "R*ch");
    EXPECT_EQ(entry.type, "TEXT");
    EXPECT_EQ(entry.extensions, "");
    EXPECT_EQ(entry.uti, "");
}

}  // namespace
