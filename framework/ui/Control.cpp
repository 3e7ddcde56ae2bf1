// Control and RectControl: the name, the owning window, and what every control
// with a widget has (place, font, visibility, focus), applied to its widget.
#include "framework/ui/Control.h"

#include <QApplication>
#include <QCoreApplication>
#include <algorithm>
#include <cctype>
#include <cmath>

#include "framework/ui/Application.h"
#include "framework/ui/Window.h"
#include "framework/ui/detail/ControlImpl.h"

namespace fw {

namespace {

using I = Control::Impl;
using PT = PropertyType;

// Every property a control class can declare, with its type: each class
// names the ones it takes. The program's tables set those without a member
// to values that change nothing on screen.
const detail::Field<I> kFields[] = {
    {"Name", PT::String, &I::name},
    {"Index", PT::Integer},
    {"Left", PT::Integer, &I::left},
    {"Top", PT::Integer, &I::top},
    {"Width", PT::Integer, &I::width},
    {"Height", PT::Integer, &I::height},
    {"LockLeft", PT::Boolean},
    {"LockTop", PT::Boolean},
    {"LockRight", PT::Boolean},
    {"LockBottom", PT::Boolean},
    {"TabIndex", PT::Integer, &I::tabIndex},
    {"TabPanelIndex", PT::Integer},
    {"TabStop", PT::Boolean, &I::tabStop},
    {"AllowAutoDeactivate", PT::Boolean},
    {"Enabled", PT::Boolean, &I::enabled},
    {"Tooltip", PT::String},
    {"Transparent", PT::Boolean, &I::transparent},
    {"Visible", PT::Boolean, &I::visible},
    {"InitialParent", PT::String, &I::initialParent},
    {"FontName", PT::String, &I::fontName},
    {"FontSize", PT::Single, &I::fontSize},
    {"FontUnit", PT::FontUnit},
    {"Bold", PT::Boolean, &I::bold},
    {"Italic", PT::Boolean, &I::italic},
    {"Underline", PT::Boolean},
    {"Caption", PT::String, &I::caption},
    {"TextColor", PT::Color, &I::textColor},
    {"BackgroundColor", PT::Color, &I::backgroundColor},
    {"HasBorder", PT::Boolean, &I::hasBorder},
    {"Password", PT::Boolean},
    {"AllowFocusRing", PT::Boolean, &I::allowFocusRing},
    {"AllowFocus", PT::Boolean, &I::allowFocus},
    {"AllowTabs", PT::Boolean, &I::allowTabs},
    {"AllowSpellChecking", PT::Boolean},
    {"ReadOnly", PT::Boolean, &I::readOnly},
    {"Multiline", PT::Boolean},
    {"Selectable", PT::Boolean},
    {"DoubleBuffer", PT::Boolean},
    {"HideSelection", PT::Boolean},
    {"HasHorizontalScrollbar", PT::Boolean, &I::hasHorizontalScrollbar},
    {"HasVerticalScrollbar", PT::Boolean, &I::hasVerticalScrollbar},
    {"AllowStyledText", PT::Boolean, &I::allowStyledText},
    {"Cancel", PT::Boolean},
    {"Default", PT::Boolean, &I::isDefault},
    {"MacButtonStyle", PT::Integer},
    {"TextAlignment", PT::Integer, &I::textAlignment},
    {"MaximumCharactersAllowed", PT::Integer, &I::maximumCharactersAllowed},
    {"LineSpacing", PT::Double},
    {"LineHeight", PT::Double},
    {"Format", PT::String},
    {"Hint", PT::String},
    {"ValidationMask", PT::String},
    {"DataSource", PT::String},
    {"DataField", PT::String},
};

// Qt keeps coordinates in ints and sizes below QWIDGETSIZE_MAX.
int ClampCoordinate(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}
int ClampSize(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, 0, QWIDGETSIZE_MAX));
}

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

// "System" is the platform's interface font and "courier" a monospaced one;
// sizes are pixels, since points here are device-independent pixels. Every
// attribute is set explicitly so that nothing is inherited from a group box.
QFont MakeFont(const I& d) {
    const std::string name = Lower(d.fontName);
    QFont font = QApplication::font();
    if (name == "courier") {
        // The platform's own fixed font may be a sans face that is not truly
        // monospaced; Courier with the typewriter hint resolves to a real one.
        font.setFamily(QStringLiteral("Courier"));
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    } else if (!name.empty() && name != "system" && name != "smallsystem") {
        font.setFamily(QString::fromStdString(d.fontName));
    }
    font.setFamilies(font.families().isEmpty() ? QStringList{font.family()} : font.families());
    const float size = d.fontSize;
    if (std::isfinite(size) && size >= 1.0f && size <= 1000.0f) {
        font.setPixelSize(static_cast<int>(std::lround(size)));
    } else if (font.pixelSize() > 0) {
        font.setPixelSize(font.pixelSize());
    } else {
        font.setPointSizeF(font.pointSizeF());
    }
    font.setBold(d.bold);
    font.setItalic(d.italic);
    return font;
}

// Brings the widget up to date with everything the control's table can set.
void ApplyAll(I& d) {
    QWidget* w = d.widget;
    if (w == nullptr) {
        return;
    }
    Ref<fw::Window> window = d.owner.lock();
    QWidget* content = window ? window->_Content() : w->parentWidget();
    QWidget* parent = content;
    if (QWidget* box = detail::GroupBoxWidget(d); box != nullptr && !w->isAncestorOf(box)) {
        parent = box;
    }
    if (parent != nullptr && w->parentWidget() != parent) {
        w->setParent(parent);  // hides the widget; visibility is set again below
    }
    QPoint origin(0, 0);
    if (parent != nullptr && parent != content && content != nullptr &&
        content->isAncestorOf(parent)) {
        origin = parent->mapTo(content, QPoint(0, 0));
    }
    w->setGeometry(ClampCoordinate(d.left) - origin.x(), ClampCoordinate(d.top) - origin.y(),
                   ClampSize(d.width), ClampSize(d.height));
    w->setFont(MakeFont(d));
    w->setEnabled(d.enabled);
    auto* own = dynamic_cast<detail::ControlWidget*>(w);
    if (own != nullptr) {
        own->Apply(d);
    }
    const Qt::FocusPolicy natural = own != nullptr ? own->NaturalFocus(d) : Qt::StrongFocus;
    w->setFocusPolicy(natural == Qt::NoFocus ? Qt::NoFocus : d.tabStop ? natural : Qt::ClickFocus);
    w->setVisible(d.visible);
}

void ReleaseWidget(QPointer<QWidget>& widget) {
    // Deleted later: the control may go while its widget is handling an event.
    if (widget && QCoreApplication::instance() != nullptr) {
        widget->hide();
        widget->deleteLater();
    }
    widget = nullptr;
}

}  // namespace

namespace detail {

void DeclareControlProperties(ClassRecord& record, std::initializer_list<std::string_view> names) {
    DeclareFields<I>(record, kFields, names);
}

QColor ToQColor(Color color) {
    const uint32_t argb = color.argb;
    return QColor(static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF),
                  static_cast<int>(argb & 0xFF), 255 - static_cast<int>((argb >> 24) & 0xFF));
}

QWidget* GroupBoxWidget(const Control::Impl& state) {
    if (state.initialParent.empty()) {
        return nullptr;
    }
    Ref<fw::Window> window = state.owner.lock();
    if (!window) {
        return nullptr;
    }
    auto box = std::dynamic_pointer_cast<GroupBox>(window->_ControlByName(state.initialParent));
    return box ? box->_Widget() : nullptr;
}

namespace {

// Holds the object, and a control's window, for the length of a handler.
std::optional<Variant> Dispatch(const std::weak_ptr<Object>& target,
                                const std::function<std::optional<Variant>(Object&)>& raise) {
    Ref<Object> object = target.lock();
    if (!object) {
        return std::nullopt;
    }
    Ref<fw::Window> window;
    if (auto* control = dynamic_cast<Control*>(object.get())) {
        window = control->Window();
    }
    std::optional<Variant> result;
    RuntimeDispatch([&] { result = raise(*object); });
    return result;
}

}  // namespace

std::optional<Variant> DispatchEvent(const std::weak_ptr<Object>& target, int number, Args args) {
    return Dispatch(target, [&](Object& obj) { return RaiseEvent(obj, number, args); });
}

std::optional<Variant> DispatchClassEvent(const std::weak_ptr<Object>& target,
                                          std::string_view eventName, Args args) {
    return Dispatch(target, [&](Object& obj) { return RaiseClassEvent(obj, eventName, args); });
}

bool IsTrue(const std::optional<Variant>& result) {
    if (!result) {
        return false;
    }
    const bool* value = std::get_if<bool>(&*result);
    return value != nullptr && *value;
}

}  // namespace detail

// ---- Control

Control::Control() : impl_(std::make_unique<Impl>()) {}
Control::~Control() = default;

const ClassRecord& Control::StaticClass() {
    static const ClassRecord& record =
        RuntimeClassRecord("Control", &Object::StaticClass(), [](ClassRecord& r) {
            detail::DeclareControlProperties(r, {"Name", "Index"});
        });
    return record;
}

const std::string& Control::Name() const {
    return impl_->name;
}

Ref<fw::Window> Control::Window() const {
    return impl_->owner.lock();
}

void Control::SetProperty(std::string_view name, const PropertyValue& value) {
    if (!Class().FindProperty(name) || !detail::StoreField<I>(kFields, *impl_, name, value)) {
        Object::SetProperty(name, value);
    }
}

void Control::_SetOwner(const Ref<fw::Window>& window) {
    impl_->owner = window;
}

void Control::_SetName(std::string_view name) {
    impl_->name = std::string(name);
}

// ---- RectControl

RectControl::~RectControl() {
    ReleaseWidget(_Impl().widget);
}

const ClassRecord& RectControl::StaticClass() {
    static const ClassRecord& record =
        RuntimeClassRecord("RectControl", &Control::StaticClass(), [](ClassRecord& r) {
            detail::DeclareControlProperties(
                r, {"Left",          "Top",           "Width",       "Height",
                    "LockLeft",      "LockTop",       "LockRight",   "LockBottom",
                    "TabIndex",      "TabPanelIndex", "TabStop",     "AllowAutoDeactivate",
                    "Enabled",       "Tooltip",       "Transparent", "Visible",
                    "InitialParent", "FontName",      "FontSize",    "FontUnit",
                    "Bold",          "Italic",        "Underline"});
        });
    return record;
}

void RectControl::Constructor() {
    Impl& d = _Impl();
    if (d.widget) {
        return;
    }
    Ref<fw::Window> window = d.owner.lock();
    if (!window) {
        throw NilObjectException("a " + Class().name + " constructed without a window");
    }
    QWidget* content = window->_Content();
    if (content == nullptr) {
        throw NilObjectException("a " + Class().name + " constructed on a closed window");
    }
    d.widget = _CreateWidget(content);
    ApplyAll(d);
}

bool RectControl::Visible() const {
    return _Impl().visible;
}

void RectControl::Visible(bool value) {
    Impl& d = _Impl();
    d.visible = value;
    if (d.widget) {
        d.widget->setVisible(value);
    }
}

void RectControl::SetFocus() {
    if (QWidget* w = _Impl().widget) {
        w->setFocus(Qt::OtherFocusReason);
    }
}

void RectControl::_PropertiesApplied() {
    ApplyAll(_Impl());
}

QWidget* RectControl::_Widget() const {
    return _Impl().widget;
}

}  // namespace fw
