// Declared file types: registered once, withdrawn when a field changes or the type is gone.
#include <gtest/gtest.h>

#include <functional>

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
    type.reset();
    EXPECT_TRUE(RegisteredNames().empty());
}

TEST(FileType, SettingAnyFieldWithdrawsTheRegistration) {
    auto type = TextType();
    const std::pair<const char*, std::function<void()>> setters[] = {
        {"Name", [&] { type->Name("text"); }},
        {"Extensions", [&] { type->Extensions("txt"); }},
        {"MacType", [&] { type->MacType("TEXT"); }},
        {"MacCreator", [&] { type->MacCreator("R*ch"); }},
        {"MimeType", [&] { type->MimeType("text/plain"); }},
        {"Imported", [&] { type->Imported(false); }},
        {"ConformsTo", [&] { type->ConformsTo("public.text"); }},
        {"UTI", [&] { type->UTI("public.plain-text"); }},
    };
    for (const auto& [field, set] : setters) {
        SCOPED_TRACE(field);
        type->ToString();
        ASSERT_EQ(RegisteredNames(), std::vector<std::string>{"text"});
        set();
        EXPECT_FALSE(type->Registered());
        EXPECT_TRUE(RegisteredNames().empty());
    }
    type->ToString();
    EXPECT_EQ(fw::RuntimeRegisteredFileTypes()[0].extensions, "txt");
    EXPECT_EQ(fw::RuntimeRegisteredFileTypes()[0].uti, "public.plain-text");
    type->Name("plain");  // withdraws the old name, not the new one
    EXPECT_TRUE(RegisteredNames().empty());
    type->ToString();
    EXPECT_EQ(RegisteredNames(), std::vector<std::string>{"plain"});
}

TEST(FileType, TypesRegisterInOrder) {
    auto a = fw::RuntimeNewObject<fw::FileType>();
    auto b = fw::RuntimeNewObject<fw::FileType>();
    a->Name("a");
    b->Name("b");
    b->ToString();
    a->ToString();
    EXPECT_EQ(RegisteredNames(), (std::vector<std::string>{"b", "a"}));
    b->MacType("BBBB");
    b->ToString();
    EXPECT_EQ(RegisteredNames(), (std::vector<std::string>{"a", "b"}));
    a.reset();
    b.reset();
    EXPECT_TRUE(RegisteredNames().empty());
}

}  // namespace
