// Menus: the item tree, and the real menu bar a window shows for it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "framework/core/Delegate.h"
#include "framework/core/PropertyTable.h"
#include "framework/ui/Application.h"
#include "framework/ui/Menu.h"
#include "framework/ui/Window.h"
#include "tests/support/Gui.h"

namespace {

using testsupport::DismissMessageBoxes;
using testsupport::Wait;

enum class Kind { Item, Quit, Apple };

// The program's bar: an empty first menu, File with Quit, Edit with its items
// and a separator, an empty fourth menu.
fw::Ref<fw::MenuBar> ProgramLikeBar() {
    const struct {
        const char* name;
        Kind kind;
        const char* caption;
        const char* shortcut;
        bool autoEnabled;
        const char* parent;  // "" for the bar
    } rows[] = {
        {"Apple", Kind::Item, "", "", false, ""},
        {"UntitledMenu2", Kind::Item, "File", "", false, ""},
        {"FileQuit", Kind::Quit, "Quit", "Cmd+Q", true, "UntitledMenu2"},
        {"UntitledMenu6", Kind::Item, "", "", false, "UntitledMenu2"},
        {"UntitledMenu0", Kind::Item, "Edit", "", false, ""},
        {"EditUndo", Kind::Item, "Undo", "Cmd+Z", false, "UntitledMenu0"},
        {"UntitledMenu1", Kind::Item, "-", "", false, "UntitledMenu0"},
        {"EditCut", Kind::Item, "Cut", "Cmd+X", false, "UntitledMenu0"},
        {"EditCopy", Kind::Item, "Copy", "Cmd+C", false, "UntitledMenu0"},
        {"EditPaste", Kind::Item, "Paste", "Cmd+V", false, "UntitledMenu0"},
        {"EditClear", Kind::Item, "Clear", "", false, "UntitledMenu0"},
        {"UntitledMenu5", Kind::Item, "", "", false, "UntitledMenu0"},
        {"About", Kind::Apple, "About Quenvale", "", false, "UntitledMenu0"},
        {"UntitledMenu4", Kind::Apple, "", "", false, "UntitledMenu0"},
        {"UntitledMenu3", Kind::Item, "", "", false, ""},
    };
    auto bar = fw::RuntimeNewObject<fw::MenuBar>();
    for (const auto& row : rows) {
        fw::Ref<fw::MenuItem> item;
        switch (row.kind) {
            case Kind::Item:
                item = fw::RuntimeNewObject<fw::MenuItem>();
                break;
            case Kind::Quit:
                item = fw::RuntimeNewObject<fw::QuitMenuItem>();
                break;
            case Kind::Apple:
                item = fw::RuntimeNewObject<fw::AppleMenuItem>();
                break;
        }
        item->Constructor();
        item->Name(row.name);
        item->AutoEnabled(row.autoEnabled);
        item->Value(row.caption);
        item->Visible(true);
        item->Shortcut(row.shortcut);
        if (*row.parent == '\0') {
            bar->AddMenu(item);
        } else {
            bar->Child(row.parent)->AddMenu(item);
        }
    }
    return bar;
}

// ---- the item tree

TEST(MenuItems, LookupSearchesTheWholeTreeChildOnlyDirectChildren) {
    auto bar = ProgramLikeBar();
    const struct {
        const char* from;  // "" the bar
        const char* name;
        bool byLookup, byChild;
    } cases[] = {
        {"", "UntitledMenu0", true, true},
        {"", "About", true, false},
        {"", "FileQuit", true, false},
        {"", "UntitledMenu3", true, true},
        {"", "Nothing", false, false},
        {"", "", false, false},
        {"UntitledMenu0", "About", true, true},
        {"UntitledMenu0", "FileQuit", false, false},
        {"UntitledMenu2", "UntitledMenu0", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " / " + c.name);
        fw::Ref<fw::MenuItem> from = *c.from ? bar->_Lookup(c.from) : bar;
        ASSERT_NE(from, nullptr);
        fw::Ref<fw::MenuItem> looked = from->_Lookup(c.name);
        fw::Ref<fw::MenuItem> child = from->Child(c.name);
        EXPECT_EQ(looked != nullptr, c.byLookup);
        EXPECT_EQ(child != nullptr, c.byChild);
        if (looked) {
            EXPECT_EQ(looked->Name(), c.name);
        }
    }
    auto about = bar->_Lookup("About");
    EXPECT_EQ(about->Class().name, "AppleMenuItem");
    EXPECT_EQ(bar->Child("UntitledMenu0")->Child("About"), about);
    EXPECT_THROW(bar->AddMenu(nullptr), fw::NilObjectException);
}

// ---- the menu bar on a window

class MenuWnd : public fw::Window {
  public:
    static const fw::ClassRecord& StaticClass() {
        static const fw::ClassRecord& record = fw::RuntimeClassRecord(
            "MenuTest.MenuWnd", &fw::Window::StaticClass(), [](fw::ClassRecord& r) {
                r.handlers.emplace("Layout", fw::MethodHandler(&MenuWnd::Layout));
                r.handlers.emplace("AddMenuHandlers", fw::MethodHandler(&MenuWnd::AddMenuHandlers));
                r.handlers.emplace("EnableMenuItems",
                                   fw::MethodHandler(&MenuWnd::Event_EnableMenuItems));
            });
        return record;
    }
    const fw::ClassRecord& Class() const override { return StaticClass(); }

    static inline fw::Ref<fw::MenuBar> nextBar;

    int enableCalls = 0;
    bool cutEnabledWhenAsked = true;
    bool enableUndo = true;
    int aboutCalls = 0, undoCalls = 0;

  private:
    void Layout() {
        MenuBar(nextBar);
        fw::_SetProperties(*this, fw::PropertyTable()
                                      .Integer("Width", 300)
                                      .Integer("Height", 150)
                                      .String("Title", "Menus")
                                      .Boolean("Visible", false));
    }
    void AddMenuHandlers(fw::Ref<fw::Window> w) {
        w->_AddMenuHandler("About", fw::MethodHandler(&MenuWnd::_About_Action));
        w->_AddMenuHandler("EditUndo", fw::MethodHandler(&MenuWnd::_EditUndo_Action));
    }
    void Event_EnableMenuItems() {
        ++enableCalls;
        cutEnabledWhenAsked = MenuBar()->_Lookup("EditCut")->Enabled();
        MenuBar()->_Lookup("About")->Enabled(true);
        if (enableUndo) {
            MenuBar()->_Lookup("EditUndo")->Enabled(true);
        }
    }
    bool _About_Action() {
        ++aboutCalls;
        return false;
    }
    bool _EditUndo_Action() {
        ++undoCalls;
        return true;
    }
};

class MenuViewTest : public testing::Test {
  protected:
    void SetUp() override {
        bar_ = ProgramLikeBar();
        MenuWnd::nextBar = bar_;
        window_ = fw::RuntimeNewObject<MenuWnd>();
        window_->Constructor();
        MenuWnd::nextBar.reset();
        menuBar_ = testsupport::MenuBarWidget(*window_);
        ASSERT_NE(menuBar_, nullptr);
    }
    void TearDown() override { window_->Close(); }

    QAction* Action(const char* name) { return testsupport::MenuAction(*window_, name); }
    QMenu* Menu(const char* name) {
        QAction* action = Action(name);
        return action != nullptr ? action->menu() : nullptr;
    }
    void ShowActive() {
        window_->Show();
        QWidget* top = testsupport::WindowWidget(*window_);
        QApplication::setActiveWindow(top);
        ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    }
    // Opens a top-level menu with a click on its title, as a person would.
    QMenu* Open(const char* name) {
        QAction* title = Action(name);
        EXPECT_NE(title, nullptr);
        if (title == nullptr) {
            return nullptr;
        }
        QTest::mouseClick(menuBar_, Qt::LeftButton, {}, menuBar_->actionGeometry(title).center());
        QMenu* menu = title->menu();
        EXPECT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, 2000));
        return menu;
    }

    fw::Ref<fw::MenuBar> bar_;
    fw::Ref<MenuWnd> window_;
    QMenuBar* menuBar_ = nullptr;
};

std::vector<std::string> VisibleTexts(const QList<QAction*>& actions) {
    std::vector<std::string> texts;
    for (QAction* action : actions) {
        if (action->isVisible()) {
            texts.push_back(action->isSeparator() ? "-" : action->text().toStdString());
        }
    }
    return texts;
}

TEST_F(MenuViewTest, ShowsTheMenusAndItemsThatHaveCaptions) {
    EXPECT_EQ(VisibleTexts(menuBar_->actions()), (std::vector<std::string>{"File", "Edit"}));
    ASSERT_NE(Menu("UntitledMenu2"), nullptr);
    ASSERT_NE(Menu("UntitledMenu0"), nullptr);
    EXPECT_EQ(VisibleTexts(Menu("UntitledMenu2")->actions()), std::vector<std::string>{"Quit"});
    EXPECT_EQ(
        VisibleTexts(Menu("UntitledMenu0")->actions()),
        (std::vector<std::string>{"Undo", "-", "Cut", "Copy", "Paste", "Clear", "About Quenvale"}));
    EXPECT_TRUE(Action("UntitledMenu1")->isSeparator());
    EXPECT_FALSE(Action("Apple")->isVisible());
    EXPECT_FALSE(Action("UntitledMenu3")->isVisible());
    EXPECT_EQ(Action("NoSuchItem"), nullptr);
    EXPECT_EQ(Action("FileQuit")->menuRole(), QAction::QuitRole);
    EXPECT_EQ(Action("About")->menuRole(), QAction::AboutRole);
}

TEST_F(MenuViewTest, CmdShortcutsAreCtrlShortcuts) {
    const struct {
        const char* item;
        const char* keys;
    } cases[] = {
        {"FileQuit", "Ctrl+Q"}, {"EditUndo", "Ctrl+Z"},  {"EditCut", "Ctrl+X"},
        {"EditCopy", "Ctrl+C"}, {"EditPaste", "Ctrl+V"}, {"EditClear", ""},
        {"About", ""},          {"UntitledMenu1", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        ASSERT_NE(Action(c.item), nullptr);
        EXPECT_EQ(Action(c.item)->shortcut(), QKeySequence(c.keys));
    }
}

TEST_F(MenuViewTest, OpeningAMenuDisablesItemsThenAsksTheWindow) {
    ShowActive();
    bar_->_Lookup("EditCut")->Enabled(true);
    bar_->_Lookup("EditClear")->Enabled(true);
    const int before = window_->enableCalls;
    QMenu* edit = Open("UntitledMenu0");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(window_->enableCalls, before + 1);
    EXPECT_FALSE(window_->cutEnabledWhenAsked);
    const struct {
        const char* item;
        bool enabled;
    } cases[] = {
        {"EditUndo", true},   {"EditCut", false}, {"EditCopy", false}, {"EditPaste", false},
        {"EditClear", false}, {"About", true},    {"FileQuit", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_EQ(bar_->_Lookup(c.item)->Enabled(), c.enabled);
        EXPECT_EQ(Action(c.item)->isEnabled(), c.enabled);
    }
    edit->hide();
}

TEST_F(MenuViewTest, AChosenItemRunsTheWindowsHandlerForItsName) {
    ShowActive();
    QMenu* edit = Open("UntitledMenu0");
    ASSERT_NE(edit, nullptr);
    QTest::mouseClick(edit, Qt::LeftButton, {}, edit->actionGeometry(Action("About")).center());
    EXPECT_EQ(window_->aboutCalls, 1);
    EXPECT_EQ(window_->undoCalls, 0);
    // An item without a handler does nothing.
    const auto texts = DismissMessageBoxes([&] { Action("EditClear")->trigger(); });
    EXPECT_TRUE(texts.empty());
    EXPECT_EQ(window_->aboutCalls, 1);
}

TEST_F(MenuViewTest, AShortcutAsksTheWindowFirst) {
    ShowActive();
    for (bool allowed : {false, true}) {
        SCOPED_TRACE(allowed);
        window_->enableUndo = allowed;
        const int calls = window_->enableCalls;
        QTest::keyClick(testsupport::WindowWidget(*window_), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_GT(window_->enableCalls, calls);
        EXPECT_EQ(window_->undoCalls, allowed ? 1 : 0);
    }
}

// Runs the application's event loop; true when it ended before it ran anything.
bool LoopEndsAtOnce() {
    bool ranSomething = false, timedOut = false;
    QTimer::singleShot(0, [&] { ranSomething = true; });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        QCoreApplication::exit(99);
    });
    watchdog.start(3000);
    fw::_RuntimeRun();
    const bool atOnce = !ranSomething && !timedOut;
    Wait(10);
    return atOnce;
}

TEST_F(MenuViewTest, QuitQuitsWithZero) {
    fw::Quit(7);
    ASSERT_TRUE(LoopEndsAtOnce());
    ASSERT_EQ(fw::RuntimeExit(), 7);

    ShowActive();
    QTest::keyClick(testsupport::WindowWidget(*window_), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(fw::RuntimeExit(), 0);
    EXPECT_TRUE(LoopEndsAtOnce());
}

}  // namespace
