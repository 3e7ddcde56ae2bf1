#pragma once
// A window class for the ui suites: it applies the table it is given, builds
// the controls it is given, and writes down every window event it receives.
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "framework/core/Delegate.h"
#include "framework/core/PropertyTable.h"
#include "framework/ui/Control.h"
#include "framework/ui/Window.h"

namespace uitest {

class Probe : public fw::Window {
  public:
    static const fw::ClassRecord& StaticClass() {
        static const fw::ClassRecord& record = fw::RuntimeClassRecord(
            "Probe.Probe", &fw::Window::StaticClass(), [](fw::ClassRecord& r) {
                r.handlers.emplace("Layout", fw::MethodHandler(&Probe::Layout));
                r.handlers.emplace("CreateControls", fw::MethodHandler(&Probe::CreateControls));
                r.handlers.emplace("AddMenuHandlers", fw::MethodHandler(&Probe::AddMenuHandlers));
                r.handlers.emplace("Open", fw::MethodHandler(&Probe::Event_Open));
                r.handlers.emplace("Close", fw::MethodHandler(&Probe::Event_Close));
                r.handlers.emplace("KeyDown", fw::MethodHandler(&Probe::Event_KeyDown));
                r.handlers.emplace("MouseDown", fw::MethodHandler(&Probe::Event_MouseDown));
            });
        return record;
    }
    const fw::ClassRecord& Class() const override { return StaticClass(); }

    std::string table;                           // applied by Layout
    std::function<void(Probe&)> createControls;  // run by CreateControls
    std::function<void(Probe&)> onOpen;          // run by Open
    bool claim = false;                          // KeyDown's and MouseDown's answer
    std::vector<std::string> log;

    void Layout() {
        log.push_back("Layout");
        fw::_SetProperties(*this, table);
    }
    void CreateControls() {
        log.push_back("CreateControls");
        if (createControls) {
            createControls(*this);
        }
    }
    void AddMenuHandlers(fw::Ref<fw::Window> w) {
        log.push_back(w.get() == this ? "AddMenuHandlers(self)" : "AddMenuHandlers(other)");
    }
    void Event_Open() {
        log.push_back("Open");
        if (onOpen) {
            onOpen(*this);
        }
    }
    void Event_Close() { log.push_back("Close"); }
    bool Event_KeyDown(std::string key) {
        log.push_back("KeyDown " + key);
        return claim;
    }
    bool Event_MouseDown(int64_t x, int64_t y) {
        log.push_back("MouseDown " + std::to_string(x) + "," + std::to_string(y));
        return claim;
    }

    // A control of class C made and kept as the program makes its controls.
    template <class C>
    fw::Ref<C> Add(const std::string& name, const fw::PropertyTable& properties) {
        auto control = __New<C>();
        control->Constructor();
        _AddControl(name, control);
        fw::_SetProperties(*control, properties);
        return control;
    }
};

// The window table the program's windows use, with the entries that differ
// between them as parameters.
struct WindowLook {
    int64_t width = 300, height = 200, type = 0;
    std::string title = "Probe";
    bool hasCloseButton = true, hasMaximizeButton = false, resizeable = false, visible = true;
    uint32_t background = 0x00FFFFFF;
};

inline fw::PropertyTable WindowTable(const WindowLook& s) {
    return fw::PropertyTable()
        .Integer("Width", s.width)
        .Integer("Height", s.height)
        .Integer("MinimumWidth", 64)
        .Integer("MinimumHeight", 64)
        .Integer("MaximumWidth", 32000)
        .Integer("MaximumHeight", 32000)
        .Integer("Type", s.type)
        .String("Title", s.title)
        .Boolean("HasCloseButton", s.hasCloseButton)
        .Boolean("HasMaximizeButton", s.hasMaximizeButton)
        .Boolean("HasMinimizeButton", true)
        .Boolean("HasFullScreenButton", false)
        .Boolean("Resizeable", s.resizeable)
        .Boolean("Composite", false)
        .Integer("MacProcID", 0)
        .Boolean("FullScreen", false)
        .Integer("DefaultLocation", 0)
        .Boolean("Visible", s.visible)
        .Boolean("HasBackgroundColor", true)
        .Color("BackgroundColor", s.background)
        .Boolean("MenuBarVisible", true)
        .Boolean("LiveResize", false);
}

// A new, constructed probe window.
inline fw::Ref<Probe> MakeProbe(const WindowLook& look = {},
                                std::function<void(Probe&)> createControls = {}) {
    auto w = fw::RuntimeNewObject<Probe>();
    w->table = WindowTable(look).Bytes();
    w->createControls = std::move(createControls);
    w->Constructor();
    return w;
}

// Where a control sits and what it looks like, as the windows' tables give it.
inline fw::PropertyTable Place(fw::PropertyTable table, int64_t left, int64_t top, int64_t width,
                               int64_t height, int64_t tabIndex = 0,
                               const std::string& parent = "") {
    return table.Integer("Left", left)
        .Integer("Top", top)
        .Integer("Width", width)
        .Integer("Height", height)
        .Integer("TabIndex", tabIndex)
        .String("InitialParent", parent);
}

// The open probe window's top-level widget as Qt shows it, found by its title.
inline QWidget* ProbeWidget(const QString& title = "Probe") {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->windowTitle() == title) {
            return top;
        }
    }
    return nullptr;
}

// Closes every probe window left open and lets Qt delete what they leave behind.
inline void CloseProbes() {
    while (auto w = fw::_GetImplicitWindow("Probe.Probe")) {
        w->Close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace uitest
