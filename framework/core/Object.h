#pragma once
// The object runtime: reference-counted objects, class records looked up by
// name, checked casts, weak references and the values that events and
// property tables carry.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "Exceptions.h"

namespace fw {

class Object;
class Delegate;

// Every object is reference counted; nil is an empty reference.
template <class T>
using Ref = std::shared_ptr<T>;

// A 32-bit colour word 0xAARRGGBB; AA is the transparency, 0 opaque.
struct Color {
    uint32_t argb = 0;
    bool operator==(const Color&) const = default;
};

// What an event passes and returns. monostate stands for "no value".
using Variant = std::variant<std::monostate, bool, int64_t, double, std::string, Ref<Object>>;
using Args = std::vector<Variant>;

// A handler that a class answers an event with: the object and the event's arguments.
using EventHandler = std::function<Variant(Object& self, const Args& args)>;

// The declared type of a property, which decides its width in a property table.
// Integer also covers the 64-bit enumerations (Window.Types, Window.Locations,
// TextAlignment, MacButtonStyle, Timer.RunModes); FontUnit is the one-byte
// enumeration.
enum class PropertyType : uint8_t { Boolean, Integer, FontUnit, Single, Double, Color, String };

// One decoded value of a property table (FontUnit arrives as int64_t).
using PropertyValue = std::variant<bool, int64_t, float, double, Color, std::string>;

// A control event that a class raises, by its number in the class's event list,
// with the signature text that a delegate bound to it must have.
struct EventDecl {
    int number = 0;
    std::string_view name;
    std::string_view signature;  // e.g. "( TextField, String ) as Boolean"
};

// The runtime's record of one class: its name, parent, the events it raises
// (by number), the events it answers itself (by name) and its declared properties.
class ClassRecord {
  public:
    std::string name;
    const ClassRecord* parent = nullptr;
    std::vector<EventDecl> events;
    std::map<std::string, EventHandler, std::less<>> handlers;
    std::map<std::string, PropertyType, std::less<>> properties;

    // True when this class is other or derives from it.
    bool IsA(const ClassRecord& other) const;
    // These look in this class first, then in its parents; nullptr / nullopt when none.
    const EventDecl* FindEvent(int number) const;
    const EventHandler* FindHandler(std::string_view eventName) const;
    std::optional<PropertyType> FindProperty(std::string_view propertyName) const;
};

// The record registered under name: made the first time it is asked for (by
// the start-up initialisers or the first lookup) with that name and parent,
// then extend adds what the class declares; never made again.
const ClassRecord& RuntimeClassRecord(std::string_view name, const ClassRecord* parent,
                                      void (*extend)(ClassRecord&) = nullptr);
// The record registered under name, or nullptr while none is.
const ClassRecord* RuntimeLookupClass(std::string_view name);

class Object : public std::enable_shared_from_this<Object> {
  public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;

    static const ClassRecord& StaticClass();
    // The runtime class of the object; every class overrides it with its StaticClass().
    virtual const ClassRecord& Class() const { return StaticClass(); }

    // Applies one entry of a property table. The default knows no property.
    virtual void SetProperty(std::string_view name, const PropertyValue& value);
    // Runs once a whole table has been applied: an object whose entries share
    // one costly refresh (a control's widget) brings itself up to date here.
    virtual void _PropertiesApplied() {}

    // The delegate bound to a control event number, or nullptr.
    Ref<Delegate> BoundEvent(int number) const;

  private:
    friend void RuntimeAddEventHandler(const Ref<Object>&, int, const Ref<Delegate>&);
    std::map<int, Ref<Delegate>> bound_;
};

// Casts obj to T: the same object when it belongs to T or a subclass;
// NilObjectException for nil, IllegalCastException for another class.
template <class T>
Ref<T> RuntimeCheckCast(const Ref<Object>& obj) {
    if (!obj) {
        throw NilObjectException("nil object cast to " + T::StaticClass().name);
    }
    auto cast = std::dynamic_pointer_cast<T>(obj);
    if (!cast) {
        throw IllegalCastException("cannot cast " + obj->Class().name + " to " +
                                   T::StaticClass().name);
    }
    return cast;
}

// A new, unconstructed object of the class T.
template <class T>
Ref<T> RuntimeNewObject() {
    return std::make_shared<T>();
}

// Whether the class registered under className answers the named event itself.
// obj must belong to that class. userFlag asks only about the program's own handlers.
bool _RuntimeIsEventHandled(const Object& obj, std::string_view className,
                            std::string_view eventName, bool userFlag);

// A reference that does not keep its object alive.
class WeakRef : public Object {
  public:
    explicit WeakRef(const Ref<Object>& target) : target_(target) {}
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }
    // The object while it exists, else nil.
    Ref<Object> Value() const { return target_.lock(); }

  private:
    std::weak_ptr<Object> target_;
};

}  // namespace fw
