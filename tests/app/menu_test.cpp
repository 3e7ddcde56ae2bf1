// The one menu bar: its menus, items, captions, shortcuts and enabling.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/Menu.h"

namespace {

struct ExpectedItem {
    const char* name;
    const char* className;
    const char* caption;
    const char* shortcut;
    bool autoEnabled;
    const char* parent;  // nullptr: the bar itself
};

// Left to right, top to bottom, as a person sees the bar.
const ExpectedItem kItems[] = {
    {"Apple", "MenuItem", "", "", false, nullptr},
    {"UntitledMenu2", "MenuItem", "File", "", false, nullptr},
    {"FileQuit", "QuitMenuItem", "Quit", "Cmd+Q", true, "UntitledMenu2"},
    {"UntitledMenu6", "MenuItem", "", "", false, "UntitledMenu2"},
    {"UntitledMenu0", "MenuItem", "Edit", "", false, nullptr},
    {"EditUndo", "MenuItem", "Undo", "Cmd+Z", false, "UntitledMenu0"},
    {"UntitledMenu1", "MenuItem", "-", "", false, "UntitledMenu0"},
    {"EditCut", "MenuItem", "Cut", "Cmd+X", false, "UntitledMenu0"},
    {"EditCopy", "MenuItem", "Copy", "Cmd+C", false, "UntitledMenu0"},
    {"EditPaste", "MenuItem", "Paste", "Cmd+V", false, "UntitledMenu0"},
    {"EditClear", "MenuItem", "Clear", "", false, "UntitledMenu0"},
    {"UntitledMenu5", "MenuItem", "", "", false, "UntitledMenu0"},
    {"About", "AppleMenuItem", "About Quenvale", "", false, "UntitledMenu0"},
    {"UntitledMenu4", "AppleMenuItem", "", "", false, "UntitledMenu0"},
    {"UntitledMenu3", "MenuItem", "", "", false, nullptr},
};

TEST(MenuTest, OneBarForEveryCaller) {
    auto first = Menu();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Menu(), first);
    EXPECT_EQ(first->Class().name, "Menu.Menu");
    EXPECT_TRUE(first->Class().IsA(fw::MenuBar::StaticClass()));
}

TEST(MenuTest, EveryItemInItsPlaceAsTheUserSeesIt) {
    auto bar = Menu();
    std::map<std::string, std::vector<std::string>> expectedChildren;  // "" for the bar
    int autoEnabled = 0;
    for (const ExpectedItem& expected : kItems) {
        SCOPED_TRACE(expected.name);
        expectedChildren[expected.parent ? expected.parent : ""].push_back(expected.name);
        auto item = bar->_Lookup(expected.name);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->Class().name, expected.className);
        EXPECT_EQ(item->Value(), expected.caption);
        EXPECT_EQ(item->Shortcut(), expected.shortcut);
        EXPECT_EQ(item->AutoEnabled(), expected.autoEnabled);
        EXPECT_TRUE(item->Visible());
        autoEnabled += item->AutoEnabled() ? 1 : 0;
    }
    EXPECT_EQ(autoEnabled, 1);

    // Four menus left to right; Apple and the last one stay empty.
    auto children = [](const fw::MenuItem& menu) {
        std::vector<std::string> names;
        for (const auto& item : menu._Children()) {
            names.push_back(item->Name());
        }
        return names;
    };
    EXPECT_EQ(children(*bar), expectedChildren[""]);
    for (const char* menu : {"Apple", "UntitledMenu2", "UntitledMenu0", "UntitledMenu3"}) {
        SCOPED_TRACE(menu);
        ASSERT_NE(bar->Child(menu), nullptr);
        EXPECT_EQ(children(*bar->Child(menu)), expectedChildren[menu]);
    }
}

TEST(MenuTest, AboutIsFoundFromTheBarInsideTheEditMenu) {
    auto bar = Menu();
    EXPECT_EQ(bar->Child("About"), nullptr);  // not a top-level menu
    auto about = bar->_Lookup("About");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about, bar->Child("UntitledMenu0")->Child("About"));
    EXPECT_NE(std::dynamic_pointer_cast<fw::AppleMenuItem>(about), nullptr);
}

}  // namespace
