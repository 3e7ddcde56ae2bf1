#pragma once
// How the three windows build themselves: their own property table, and their
// controls one row at a time, each made, kept under its name, given its
// backdrop, its table and its event bindings.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "framework/core/Delegate.h"
#include "framework/core/PropertyTable.h"
#include "framework/ui/Control.h"
#include "framework/ui/Picture.h"
#include "framework/ui/Window.h"

// Every window's table holds the same 22 entries in the same order; the
// windows differ only in size, kind, title and close button.
fw::PropertyTable WindowTable(int64_t width, int64_t height, fw::Window::Types type,
                              std::string_view title, bool hasCloseButton);

// The control belongs to no indexed set of controls.
inline constexpr int64_t kNoIndex = -2147483648LL;

// A control event of a window's control, answered by a handler of the window W.
template <class W>
struct Binding {
    std::string_view control;
    fw::EventDecl event;
    fw::Ref<fw::Delegate> (*make)(const fw::Ref<W>& window, std::string_view signature);
};

// A delegate on Handler with the window as its target.
template <auto Handler, class W>
fw::Ref<fw::Delegate> On(const fw::Ref<W>& window, std::string_view signature) {
    return fw::RuntimeCreateDelegate(Handler, window, std::string(signature), 1);
}

// Makes a control of class C on window, keeps it under name, sets a canvas's
// backdrop (before its table, which may show it), applies the table and binds
// the control's events among bindings. The control is finished before the
// next is made.
template <class C, class W>
fw::Ref<C> MakeControl(W& window, std::string_view name, const fw::PropertyTable& table,
                       fw::Ref<fw::Picture> (*backdrop)() = nullptr,
                       std::span<const Binding<W>> bindings = {}) {
    fw::Ref<C> control = window.template __New<C>();
    control->Constructor();
    window._AddControl(name, control);
    if constexpr (std::is_same_v<C, fw::Canvas>) {
        if (backdrop != nullptr) {
            control->Backdrop(backdrop());
        }
    }
    fw::_SetProperties(*control, table);
    auto self = std::static_pointer_cast<W>(window.shared_from_this());
    for (const Binding<W>& binding : bindings) {
        if (binding.control == name) {
            fw::RuntimeAddEventHandler(control, binding.event.number,
                                       binding.make(self, binding.event.signature));
        }
    }
    return control;
}
