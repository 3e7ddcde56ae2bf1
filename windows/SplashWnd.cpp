#include "windows/SplashWnd.h"
#include "windows/WindowTable.h"

#include "app/Pictures.h"
#include "app/Quenvale.h"
#include "framework/core/PropertyTable.h"
#include "windows/MainWnd.h"

const fw::ClassRecord& SplashWnd::StaticClass() {
    static const fw::ClassRecord& record = fw::RuntimeClassRecord("SplashWnd.SplashWnd", [] {
        fw::ClassRecord r;
        r.name = "SplashWnd.SplashWnd";
        r.parent = &fw::Window::StaticClass();
        r.handlers.emplace("Layout", fw::MethodHandler(&SplashWnd::Layout));
        r.handlers.emplace("CreateControls", fw::MethodHandler(&SplashWnd::CreateControls));
        r.handlers.emplace("MouseDown", fw::MethodHandler(&SplashWnd::Event_MouseDown));
        r.handlers.emplace("KeyDown", fw::MethodHandler(&SplashWnd::Event_KeyDown));
        return r;
    });
    return record;
}

const fw::ClassRecord& SplashWnd::_wrapper_Timer1::StaticClass() {
    static const fw::ClassRecord& record = fw::RuntimeClassRecord("SplashWnd._wrapper_Timer1", [] {
        fw::ClassRecord r;
        r.name = "SplashWnd._wrapper_Timer1";
        r.parent = &fw::Timer::StaticClass();
        return r;
    });
    return record;
}

void SplashWnd::_wrapper_Timer1::Constructor() {}

void SplashWnd::Layout() {
    fw::_SetProperties(*this, WindowTable(350, 200, 2, "", false));
}

void SplashWnd::CreateControls() {
    _CreateControls0();
}

namespace {

// The two picture canvases differ only in place, tab order, name and focus ring.
fw::PropertyTable CanvasTable(int64_t tabIndex, int64_t height, int64_t width, int64_t top,
                              int64_t left, std::string_view name, bool allowFocusRing) {
    return fw::PropertyTable()
        .String("InitialParent", "")
        .Boolean("Transparent", true)
        .Boolean("DoubleBuffer", false)
        .Boolean("Visible", true)
        .Boolean("Enabled", true)
        .Boolean("TabStop", false)
        .Integer("TabPanelIndex", 0)
        .Integer("TabIndex", tabIndex)
        .Boolean("LockBottom", false)
        .Boolean("LockRight", false)
        .Boolean("LockTop", false)
        .Boolean("LockLeft", false)
        .Integer("Height", height)
        .Integer("Width", width)
        .Integer("Top", top)
        .Integer("Left", left)
        .Integer("Index", -2147483648LL)
        .String("Name", name)
        .Boolean("AllowAutoDeactivate", true)
        .String("Tooltip", "")
        .Boolean("AllowFocusRing", allowFocusRing)
        .Boolean("AllowFocus", false)
        .Boolean("AllowTabs", false);
}

}  // namespace

void SplashWnd::_CreateControls0() {
    {
        auto control = this->__New<fw::Canvas>();
        control->Constructor();
        _AddControl("Canvas4", control);
    }
    fw::RuntimeCheckCast<fw::Canvas>(_ControlByName("Canvas4"))->Backdrop(Curve());
    fw::_SetProperties(*fw::RuntimeCheckCast<fw::Canvas>(_ControlByName("Canvas4")),
                       CanvasTable(1, 64, 107, 92, 122, "Canvas4", true));

    {
        auto control = this->__New<fw::Canvas>();
        control->Constructor();
        _AddControl("Canvas2", control);
    }
    fw::RuntimeCheckCast<fw::Canvas>(_ControlByName("Canvas2"))->Backdrop(QuenvaleSmTitle());
    fw::_SetProperties(*fw::RuntimeCheckCast<fw::Canvas>(_ControlByName("Canvas2")),
                       CanvasTable(2, 44, 310, 20, 20, "Canvas2", false));

    {
        auto control = this->__New<fw::Label>();
        control->Constructor();
        _AddControl("Label1", control);
    }
    fw::_SetProperties(*fw::RuntimeCheckCast<fw::Label>(_ControlByName("Label1")),
                       fw::PropertyTable()
                           .String("InitialParent", "")
                           .String("DataField", "")
                           .String("DataSource", "")
                           .Boolean("Underline", false)
                           .Boolean("Italic", false)
                           .Boolean("Bold", false)
                           .Boolean("Visible", true)
                           .Boolean("Transparent", false)
                           .Color("TextColor", 0x00990002)
                           .Boolean("Selectable", false)
                           .Boolean("Multiline", false)
                           .Boolean("Enabled", true)
                           .Boolean("TabStop", false)
                           .Integer("TabPanelIndex", 0)
                           .Integer("TabIndex", 3)
                           .Boolean("LockBottom", false)
                           .Boolean("LockRight", false)
                           .Boolean("LockTop", true)
                           .Boolean("LockLeft", true)
                           .Integer("Height", 20)
                           .Integer("Width", 310)
                           .Integer("Top", 157)
                           .Integer("Left", 20)
                           .Integer("Index", -2147483648LL)
                           .String("Name", "Label1")
                           .Boolean("AllowAutoDeactivate", true)
                           .String("Tooltip", "")
                           .Integer("TextAlignment", 2)
                           .String("Value", kQuenvaleNotice)
                           .String("FontName", "System")
                           .Single("FontSize", 11.0f)
                           .FontUnit("FontUnit", 0));

    {
        auto control = this->__New<_wrapper_Timer1>();
        // The timer knows its window only weakly, so it never keeps the window alive.
        control->mWindow = std::make_shared<fw::WeakRef>(shared_from_this());
        control->Constructor();
        _AddControl("Timer1", control);
    }
    // The table starts the timer; the handler is bound before the event loop
    // runs again, so the timer cannot fire unbound.
    fw::_SetProperties(*fw::RuntimeCheckCast<fw::Timer>(_ControlByName("Timer1")),
                       fw::PropertyTable().Integer("Period", 4000).Integer("RunMode", 1));
    fw::RuntimeAddEventHandler(
        fw::RuntimeCheckCast<fw::Timer>(_ControlByName("Timer1")), 0,
        fw::RuntimeCreateDelegate(&SplashWnd::Timer1_Action,
                                  std::static_pointer_cast<SplashWnd>(shared_from_this()),
                                  "( Timer )", 1));
}

fw::Ref<fw::Canvas> SplashWnd::Canvas4() {
    return fw::RuntimeCheckCast<fw::Canvas>(_ControlByName("Canvas4"));
}

fw::Ref<fw::Canvas> SplashWnd::Canvas2() {
    return fw::RuntimeCheckCast<fw::Canvas>(_ControlByName("Canvas2"));
}

fw::Ref<fw::Label> SplashWnd::Label1() {
    return fw::RuntimeCheckCast<fw::Label>(_ControlByName("Label1"));
}

fw::Ref<fw::Timer> SplashWnd::Timer1() {
    return fw::RuntimeCheckCast<fw::Timer>(_ControlByName("Timer1"));
}

void SplashWnd::Timer1_Action(fw::Ref<fw::Timer>) {
    ::SplashWnd()->Hide();
    ::MainWnd()->Show();
}

bool SplashWnd::Event_MouseDown(int64_t, int64_t) {
    ::SplashWnd()->Hide();
    return false;
}

bool SplashWnd::Event_KeyDown(std::string) {
    ::SplashWnd()->Hide();
    return false;
}

bool SplashWnd::IsEventImplemented(const std::string& name) const {
    return fw::_RuntimeIsEventHandled(*this, "SplashWnd.SplashWnd", name, true);
}

fw::Ref<class SplashWnd> SplashWnd() {
    fw::Ref<fw::Object> window = fw::_GetImplicitWindow("SplashWnd.SplashWnd");
    if (!window) {
        auto created = fw::RuntimeNewObject<class SplashWnd>();
        created->Constructor();
        window = created;
    }
    return fw::RuntimeCheckCast<class SplashWnd>(window);
}
