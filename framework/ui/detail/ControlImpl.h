#pragma once
// The Qt side of controls, shared by the control classes, the window (tab
// order, group boxes) and Native: what a control holds, the widgets' common
// interface, and the one way Qt calls into program code.
#include <QColor>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "framework/core/Delegate.h"
#include "framework/ui/Control.h"

namespace fw {

// What a control's table sets that shows, kept whether or not the widget
// exists yet, so that the widget can be brought up to date at any time.
struct Control::Impl {
    std::string name;
    std::weak_ptr<fw::Window> owner;
    QPointer<QWidget> widget;

    // Place and size in window-content coordinates.
    int64_t left = 0, top = 0, width = 80, height = 22;
    int64_t tabIndex = 0;
    bool tabStop = true, enabled = true, visible = true;
    std::string initialParent;
    std::string fontName = "System";
    float fontSize = 0;  // 0: the font's own size
    bool bold = false, italic = false;

    // What only some classes have; each class declares the names it takes.
    std::string caption;
    Color textColor{0x00000000}, backgroundColor{0x00FFFFFF};
    bool hasBorder = true, allowFocusRing = true, allowFocus = false, allowTabs = false;
    bool readOnly = false, hasHorizontalScrollbar = false, hasVerticalScrollbar = true;
    bool allowStyledText = false;  // a paste or drop keeps its character formats
    bool isDefault = false;
    bool transparent = false;  // the window shows through where the style would fill
    int64_t textAlignment = 0, maximumCharactersAllowed = 0;

    // The text of a label, field or area until its widget exists; the last text
    // TextChange was raised for; a radio button's value until its widget exists.
    std::string text, lastText;
    bool settingText = false;
    bool radioValue = false;
    Ref<Picture> backdrop;
};

namespace detail {

// One property of a table, stored in a member of S; without a member the
// property is accepted and changes nothing.
template <class S>
struct Field {
    std::string_view name;
    PropertyType type;
    std::variant<std::monostate, bool S::*, int64_t S::*, float S::*, double S::*, Color S::*,
                 std::string S::*>
        member = {};
};

// Stores value in the field called name; false when fields has no such name.
// A value of another type than the field's is a PropertyTableException.
template <class S>
bool StoreField(std::span<const Field<S>> fields, S& state, std::string_view name,
                const PropertyValue& value) {
    for (const Field<S>& field : fields) {
        if (field.name != name) {
            continue;
        }
        std::visit(
            [&](auto member) {
                if constexpr (!std::is_same_v<decltype(member), std::monostate>) {
                    using T = std::remove_reference_t<decltype(state.*member)>;
                    const T* v = std::get_if<T>(&value);
                    if (v == nullptr) {
                        throw PropertyTableException("property " + std::string(name) +
                                                     " given a value of the wrong type");
                    }
                    state.*member = *v;
                }
            },
            field.member);
        return true;
    }
    return false;
}

// Declares the named fields, with their types, as properties of record.
template <class S>
void DeclareFields(ClassRecord& record, std::span<const Field<S>> fields,
                   std::initializer_list<std::string_view> names) {
    for (std::string_view name : names) {
        for (const Field<S>& field : fields) {
            if (field.name == name) {
                record.properties.emplace(std::string(name), field.type);
            }
        }
    }
}

// Declares the named properties of a control class; Control.cpp holds each
// property's type and where it is kept, once for every class.
void DeclareControlProperties(ClassRecord& record, std::initializer_list<std::string_view> names);

// 0xAARRGGBB, AA the transparency (0 opaque).
QColor ToQColor(Color color);

// A control's widget: brings itself up to date with the control's properties.
class ControlWidget {
  public:
    virtual ~ControlWidget() = default;
    virtual void Apply(const Control::Impl& state) = 0;
    // The focus the widget takes when tab stops are on.
    virtual Qt::FocusPolicy NaturalFocus(const Control::Impl& state) const {
        (void)state;
        return Qt::StrongFocus;
    }
};

// The group box the control sits in, by its InitialParent, or nullptr when it
// sits on the window's content area.
QWidget* GroupBoxWidget(const Control::Impl& state);

// How Qt calls program code: inside RuntimeDispatch, with the object (and a
// control's window) held until the handler returns. The handler's result, or
// nullopt when the object is gone, nothing handles the event or the handler failed.
std::optional<Variant> DispatchEvent(const std::weak_ptr<Object>& target, int number, Args args);
std::optional<Variant> DispatchClassEvent(const std::weak_ptr<Object>& target,
                                          std::string_view eventName, Args args);
// True when an event's result is the Boolean true (the event is claimed).
bool IsTrue(const std::optional<Variant>& result);

}  // namespace detail
}  // namespace fw
