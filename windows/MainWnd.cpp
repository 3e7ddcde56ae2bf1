// The calculator window as a class: its record, its control and menu-item
// accessors, its window events and its About menu handler.
#include "windows/MainWnd.h"

#include "framework/ui/Application.h"
#include "windows/Qwindow.h"
#include "windows/SplashWnd.h"

namespace {

using MainWndClass = class MainWnd;

// The item of that name anywhere in the window's menu bar, as Item; nil when the
// bar has no such item. A window without a bar is a nil object.
template <class Item>
fw::Ref<Item> MenuItemOf(const MainWndClass& window, std::string_view name) {
    fw::Ref<fw::MenuBar> bar = window.MenuBar();
    if (!bar) {
        throw fw::NilObjectException("the calculator window has no menu bar");
    }
    fw::Ref<fw::MenuItem> item = bar->_Lookup(name);
    if (!item) {
        return nullptr;
    }
    return fw::RuntimeCheckCast<Item>(item);
}

}  // namespace

const fw::ClassRecord& MainWnd::StaticClass() {
    static const fw::ClassRecord& record = fw::RuntimeClassRecord(
        "MainWnd.MainWnd", &fw::Window::StaticClass(), [](fw::ClassRecord& r) {
            r.handlers.emplace("Layout", fw::MethodHandler(&MainWnd::Layout));
            r.handlers.emplace("CreateControls", fw::MethodHandler(&MainWnd::CreateControls));
            r.handlers.emplace("AddMenuHandlers", fw::MethodHandler(&MainWnd::AddMenuHandlers));
            r.handlers.emplace("Open", fw::MethodHandler(&MainWnd::Event_Open));
            r.handlers.emplace("EnableMenuItems",
                               fw::MethodHandler(&MainWnd::Event_EnableMenuItems));
            r.handlers.emplace("Close", fw::MethodHandler(&MainWnd::Event_Close));
        });
    return record;
}

fw::Ref<class MainWnd> MainWnd() {
    fw::Ref<fw::Object> window = fw::_GetImplicitWindow("MainWnd.MainWnd");
    if (!window) {
        auto made = fw::RuntimeNewObject<class MainWnd>();
        made->Constructor();
        window = made;
    }
    return fw::RuntimeCheckCast<class MainWnd>(window);
}

// Control accessors: the window keeps no field for a control.

fw::Ref<fw::GroupBox> MainWnd::dfBox() {
    return fw::RuntimeCheckCast<fw::GroupBox>(_ControlByName("dfBox"));
}
fw::Ref<fw::TextField> MainWnd::df1Edit() {
    return fw::RuntimeCheckCast<fw::TextField>(_ControlByName("df1Edit"));
}
fw::Ref<fw::TextField> MainWnd::df2Edit() {
    return fw::RuntimeCheckCast<fw::TextField>(_ControlByName("df2Edit"));
}
fw::Ref<fw::Label> MainWnd::df1Text() {
    return fw::RuntimeCheckCast<fw::Label>(_ControlByName("df1Text"));
}
fw::Ref<fw::Label> MainWnd::df2Text() {
    return fw::RuntimeCheckCast<fw::Label>(_ControlByName("df2Text"));
}
fw::Ref<fw::Label> MainWnd::Ntext() {
    return fw::RuntimeCheckCast<fw::Label>(_ControlByName("Ntext"));
}
fw::Ref<fw::Label> MainWnd::Dtext() {
    return fw::RuntimeCheckCast<fw::Label>(_ControlByName("Dtext"));
}
fw::Ref<fw::GroupBox> MainWnd::testBox() {
    return fw::RuntimeCheckCast<fw::GroupBox>(_ControlByName("testBox"));
}
fw::Ref<fw::RadioButton> MainWnd::ZBtn() {
    return fw::RuntimeCheckCast<fw::RadioButton>(_ControlByName("ZBtn"));
}
fw::Ref<fw::RadioButton> MainWnd::TBtn() {
    return fw::RuntimeCheckCast<fw::RadioButton>(_ControlByName("TBtn"));
}
fw::Ref<fw::RadioButton> MainWnd::FBtn() {
    return fw::RuntimeCheckCast<fw::RadioButton>(_ControlByName("FBtn"));
}
fw::Ref<fw::RadioButton> MainWnd::XBtn() {
    return fw::RuntimeCheckCast<fw::RadioButton>(_ControlByName("XBtn"));
}
fw::Ref<fw::PushButton> MainWnd::CalcBtn() {
    return fw::RuntimeCheckCast<fw::PushButton>(_ControlByName("CalcBtn"));
}
fw::Ref<fw::PushButton> MainWnd::ClearBtn() {
    return fw::RuntimeCheckCast<fw::PushButton>(_ControlByName("ClearBtn"));
}
fw::Ref<fw::Canvas> MainWnd::Canvas1() {
    return fw::RuntimeCheckCast<fw::Canvas>(_ControlByName("Canvas1"));
}
fw::Ref<fw::Canvas> MainWnd::Canvas2() {
    return fw::RuntimeCheckCast<fw::Canvas>(_ControlByName("Canvas2"));
}
fw::Ref<fw::Canvas> MainWnd::Canvas3() {
    return fw::RuntimeCheckCast<fw::Canvas>(_ControlByName("Canvas3"));
}
fw::Ref<fw::Label> MainWnd::StaticText1() {
    return fw::RuntimeCheckCast<fw::Label>(_ControlByName("StaticText1"));
}
fw::Ref<fw::TextField> MainWnd::zEdit() {
    return fw::RuntimeCheckCast<fw::TextField>(_ControlByName("zEdit"));
}
fw::Ref<fw::Label> MainWnd::pText() {
    return fw::RuntimeCheckCast<fw::Label>(_ControlByName("pText"));
}
fw::Ref<fw::TextField> MainWnd::pEdit() {
    return fw::RuntimeCheckCast<fw::TextField>(_ControlByName("pEdit"));
}
fw::Ref<fw::Label> MainWnd::TailText() {
    return fw::RuntimeCheckCast<fw::Label>(_ControlByName("TailText"));
}
fw::Ref<fw::Separator> MainWnd::Separator1() {
    return fw::RuntimeCheckCast<fw::Separator>(_ControlByName("Separator1"));
}
fw::Ref<fw::Label> MainWnd::Label1() {
    return fw::RuntimeCheckCast<fw::Label>(_ControlByName("Label1"));
}

bool MainWnd::Canvas2_MouseDown(fw::Ref<fw::Canvas> /*sender*/, int64_t /*x*/, int64_t /*y*/) {
    ::Qwindow()->Show();
    return false;
}

// Menu-item accessors: looked up in the window's bar by the item's name.

fw::Ref<fw::MenuItem> MainWnd::UntitledMenu3() {
    return MenuItemOf<fw::MenuItem>(*this, "UntitledMenu3");
}
fw::Ref<fw::MenuItem> MainWnd::UntitledMenu0() {
    return MenuItemOf<fw::MenuItem>(*this, "UntitledMenu0");
}
fw::Ref<fw::AppleMenuItem> MainWnd::UntitledMenu4() {
    return MenuItemOf<fw::AppleMenuItem>(*this, "UntitledMenu4");
}
fw::Ref<fw::AppleMenuItem> MainWnd::About() {
    return MenuItemOf<fw::AppleMenuItem>(*this, "About");
}
fw::Ref<fw::MenuItem> MainWnd::UntitledMenu5() {
    return MenuItemOf<fw::MenuItem>(*this, "UntitledMenu5");
}
fw::Ref<fw::MenuItem> MainWnd::EditClear() {
    return MenuItemOf<fw::MenuItem>(*this, "EditClear");
}
fw::Ref<fw::MenuItem> MainWnd::EditPaste() {
    return MenuItemOf<fw::MenuItem>(*this, "EditPaste");
}
fw::Ref<fw::MenuItem> MainWnd::EditCopy() {
    return MenuItemOf<fw::MenuItem>(*this, "EditCopy");
}
fw::Ref<fw::MenuItem> MainWnd::EditCut() {
    return MenuItemOf<fw::MenuItem>(*this, "EditCut");
}
fw::Ref<fw::MenuItem> MainWnd::UntitledMenu1() {
    return MenuItemOf<fw::MenuItem>(*this, "UntitledMenu1");
}
fw::Ref<fw::MenuItem> MainWnd::EditUndo() {
    return MenuItemOf<fw::MenuItem>(*this, "EditUndo");
}
fw::Ref<fw::MenuItem> MainWnd::UntitledMenu2() {
    return MenuItemOf<fw::MenuItem>(*this, "UntitledMenu2");
}
fw::Ref<fw::MenuItem> MainWnd::UntitledMenu6() {
    return MenuItemOf<fw::MenuItem>(*this, "UntitledMenu6");
}
fw::Ref<fw::QuitMenuItem> MainWnd::FileQuit() {
    return MenuItemOf<fw::QuitMenuItem>(*this, "FileQuit");
}
fw::Ref<fw::MenuItem> MainWnd::Apple() {
    return MenuItemOf<fw::MenuItem>(*this, "Apple");
}

void MainWnd::AddMenuHandlers(fw::Ref<fw::Window> w) {
    fw::Ref<MainWnd> window = fw::RuntimeCheckCast<MainWnd>(w);
    // The handler goes in unbound: the framework calls it on the window it is registered with.
    window->_AddMenuHandler("About", fw::MethodHandler(&MainWnd::_About_Action));
}

void MainWnd::Event_Close() {
    fw::Quit(0);
}

void MainWnd::Event_Open() {
    pEdit()->Text("");
    zEdit()->Text("");
    ::SplashWnd()->Hide();
}

void MainWnd::Event_EnableMenuItems() {
    fw::Ref<fw::AppleMenuItem> about = About();
    if (!about) {
        throw fw::NilObjectException("the menu bar has no item named About");
    }
    about->Enabled(true);
}

bool MainWnd::_About_Action() {
    ::SplashWnd()->Show();
    return false;
}

bool MainWnd::IsEventImplemented(const std::string& name) const {
    return fw::_RuntimeIsEventHandled(*this, "MainWnd.MainWnd", name, true);
}
