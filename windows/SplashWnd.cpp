#include "windows/SplashWnd.h"

#include "app/Pictures.h"
#include "app/Quenvale.h"
#include "windows/Build.h"
#include "windows/MainWnd.h"

const fw::ClassRecord& SplashWnd::StaticClass() {
    static const fw::ClassRecord& record = fw::RuntimeClassRecord(
        "SplashWnd.SplashWnd", &fw::Window::StaticClass(), [](fw::ClassRecord& r) {
            r.handlers.emplace("Layout", fw::MethodHandler(&SplashWnd::Layout));
            r.handlers.emplace("CreateControls", fw::MethodHandler(&SplashWnd::CreateControls));
            r.handlers.emplace("MouseDown", fw::MethodHandler(&SplashWnd::Event_MouseDown));
            r.handlers.emplace("KeyDown", fw::MethodHandler(&SplashWnd::Event_KeyDown));
        });
    return record;
}

const fw::ClassRecord& SplashWnd::_wrapper_Timer1::StaticClass() {
    static const fw::ClassRecord& record =
        fw::RuntimeClassRecord("SplashWnd._wrapper_Timer1", &fw::Timer::StaticClass());
    return record;
}

void SplashWnd::_wrapper_Timer1::Constructor() {}

void SplashWnd::Layout() {
    fw::_SetProperties(*this, WindowTable(350, 200, fw::Window::Types::PlainBox, "", false));
}

void SplashWnd::CreateControls() {
    _CreateControls0();
}

namespace {

using SplashClass = class SplashWnd;

// The two picture canvases, in creation order.
struct CanvasRow {
    std::string_view name;
    int64_t left, top, width, height, tabIndex;
    bool allowFocusRing;
    fw::Ref<fw::Picture> (*backdrop)();
};
constexpr CanvasRow kCanvases[] = {
    {"Canvas4", 122, 92, 107, 64, 1, true, &Curve},
    {"Canvas2", 20, 20, 310, 44, 2, false, &QuenvaleSmTitle},
};

fw::PropertyTable CanvasTable(const CanvasRow& row) {
    return fw::PropertyTable()
        .String("InitialParent", "")
        .Boolean("Transparent", true)
        .Boolean("DoubleBuffer", false)
        .Boolean("Visible", true)
        .Boolean("Enabled", true)
        .Boolean("TabStop", false)
        .Integer("TabPanelIndex", 0)
        .Integer("TabIndex", row.tabIndex)
        .Boolean("LockBottom", false)
        .Boolean("LockRight", false)
        .Boolean("LockTop", false)
        .Boolean("LockLeft", false)
        .Integer("Height", row.height)
        .Integer("Width", row.width)
        .Integer("Top", row.top)
        .Integer("Left", row.left)
        .Integer("Index", kNoIndex)
        .String("Name", row.name)
        .Boolean("AllowAutoDeactivate", true)
        .String("Tooltip", "")
        .Boolean("AllowFocusRing", row.allowFocusRing)
        .Boolean("AllowFocus", false)
        .Boolean("AllowTabs", false);
}

fw::PropertyTable NoticeTable() {
    return fw::PropertyTable()
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
        .Integer("Index", kNoIndex)
        .String("Name", "Label1")
        .Boolean("AllowAutoDeactivate", true)
        .String("Tooltip", "")
        .Integer("TextAlignment", 2)
        .String("Value", kQuenvaleNotice)
        .String("FontName", "System")
        .Single("FontSize", 11.0f)
        .FontUnit("FontUnit", 0);
}

// The timer's one run: 4000 ms after the table starts it.
fw::PropertyTable TimerTable() {
    return fw::PropertyTable()
        .Integer("Period", 4000)
        .Integer("RunMode", static_cast<int64_t>(fw::Timer::RunModes::Single));
}

const Binding<SplashClass> kBindings[] = {
    {"Timer1", fw::Timer::kAction, &On<&SplashClass::Timer1_Action>},
};

}  // namespace

void SplashWnd::_CreateControls0() {
    for (const CanvasRow& row : kCanvases) {
        MakeControl<fw::Canvas>(*this, row.name, CanvasTable(row), row.backdrop);
    }
    MakeControl<fw::Label>(*this, "Label1", NoticeTable());
    // The handler is bound right after the table starts the timer, before the
    // event loop runs again, so the timer cannot fire unbound.
    auto timer = MakeControl<_wrapper_Timer1>(*this, "Timer1", TimerTable(), nullptr,
                                              std::span<const Binding<SplashClass>>(kBindings));
    // The timer knows its window only weakly, so it never keeps the window alive.
    timer->mWindow = std::make_shared<fw::WeakRef>(shared_from_this());
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
