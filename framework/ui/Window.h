#pragma once
// Windows: top-level windows built from a property table, owning their controls
// by name. A window class answers window events through its class record's
// handlers ("Layout", "CreateControls", "AddMenuHandlers", "Open", "Close",
// "EnableMenuItems", "KeyDown", "MouseDown"); the framework raises them with
// RaiseClassEvent.
#include <memory>
#include <string>
#include <string_view>

#include "framework/core/Delegate.h"
#include "framework/ui/Control.h"

class QWidget;

namespace fw {

class MenuBar;

class Window : public Object {
  public:
    Window();
    ~Window() override;
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }

    // The kinds of window (property Type): a document window with a title bar,
    // and a plain box without any frame.
    enum class Types : int64_t { Document = 0, PlainBox = 2 };
    // Where a window first appears (property DefaultLocation).
    enum class Locations : int64_t { Default = 0 };

    // Builds the window: raises Layout, CreateControls and AddMenuHandlers (with
    // the window as its argument), then shows the window when its table said
    // Visible. The window is then live: _GetImplicitWindow finds it by its class
    // name until it is closed.
    void Constructor();

    // Show raises Open the first time the window is shown. Hide keeps the window.
    void Show();
    void Hide();
    bool Visible() const;
    // Closes the window as its close button does: raises Close; the window is
    // then gone.
    void Close();

    // The menu bar above the content area; the content area keeps its size.
    Ref<fw::MenuBar> MenuBar() const;
    void MenuBar(const Ref<fw::MenuBar>& bar);

    std::string Title() const;

    // A new control of class C owned by this window, not yet constructed.
    template <class C>
    Ref<C> __New() {
        auto control = RuntimeNewObject<C>();
        control->_SetOwner(std::static_pointer_cast<Window>(shared_from_this()));
        return control;
    }
    // Keeps control in the window under name.
    void _AddControl(std::string_view name, const Ref<Object>& control);
    // The control kept under name, or nil.
    Ref<Object> _ControlByName(std::string_view name) const;
    // Registers handler for the menu item of that name, for this window. The
    // handler is called on this window with no arguments and returns a Boolean.
    void _AddMenuHandler(std::string_view itemName, EventHandler handler);
    // Runs the handler registered for the item name on this window; false when
    // there is none.
    bool _HandleMenuItem(std::string_view itemName);

    void SetProperty(std::string_view name, const PropertyValue& value) override;

    struct Impl;
    Impl& _Impl() const { return *impl_; }
    // The top-level widget and the content area the controls sit on.
    QWidget* _Widget() const;
    QWidget* _Content() const;

  private:
    std::unique_ptr<Impl> impl_;
};

// The live window whose class has that name ("MainWnd.MainWnd"), or nil. A
// hidden window is live; a closed one is gone.
Ref<Window> _GetImplicitWindow(std::string_view className);

}  // namespace fw
