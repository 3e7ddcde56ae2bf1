#pragma once
// Delegates and events: a handler method bound to an object, and the binding
// of delegates to a control's events by number.
#include <optional>
#include <tuple>
#include <type_traits>
#include <utility>

#include "Object.h"

namespace fw {

class Delegate : public Object {
  public:
    using Call = std::function<Variant(const Ref<Object>& sender, const Args& args)>;
    Delegate(std::string signature, Call call)
        : signature_(std::move(signature)), call_(std::move(call)) {}
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }

    const std::string& Signature() const { return signature_; }
    // Runs the handler on its target with the sender and the event's arguments.
    Variant Invoke(const Ref<Object>& sender, const Args& args) const {
        return call_(sender, args);
    }

  private:
    std::string signature_;
    Call call_;
};

namespace detail {

template <class T>
struct IsRef : std::false_type {};
template <class T>
struct IsRef<std::shared_ptr<T>> : std::true_type {
    using Element = T;
};

// One argument of a handler, taken out of a Variant by the parameter's type.
template <class A>
A FromVariant(const Variant& v) {
    using D = std::decay_t<A>;
    if constexpr (IsRef<D>::value) {
        const auto* obj = std::get_if<Ref<Object>>(&v);
        if (obj == nullptr || !*obj) {
            return nullptr;
        }
        return RuntimeCheckCast<typename IsRef<D>::Element>(*obj);
    } else if constexpr (std::is_same_v<D, bool> || std::is_same_v<D, int64_t> ||
                         std::is_same_v<D, double> || std::is_same_v<D, std::string>) {
        if (const auto* value = std::get_if<D>(&v)) {
            return *value;
        }
        throw EventBindingException("event argument of the wrong type");
    } else {
        static_assert(sizeof(D) == 0, "unsupported handler parameter type");
    }
}

template <class R>
Variant ToVariant(R&& r) {
    using D = std::decay_t<R>;
    if constexpr (IsRef<D>::value) {
        return Ref<Object>(std::forward<R>(r));
    } else {
        return Variant(std::forward<R>(r));
    }
}

template <class T, class R, class... A, std::size_t... I>
Variant CallMethod(R (T::*method)(A...), T& self, const Args& args, std::index_sequence<I...>) {
    if constexpr (std::is_void_v<R>) {
        (self.*method)(FromVariant<A>(args[I])...);
        return std::monostate{};
    } else {
        return ToVariant((self.*method)(FromVariant<A>(args[I])...));
    }
}

}  // namespace detail

// A handler made from a method of T: the object must be a T, the arguments are
// converted to the method's parameter types (bool, int64_t, double,
// std::string, Ref<C>) and its result back to a Variant.
template <class T, class R, class... A>
EventHandler MethodHandler(R (T::*method)(A...)) {
    return [method](Object& self, const Args& args) -> Variant {
        auto* target = dynamic_cast<T*>(&self);
        if (target == nullptr) {
            throw IllegalCastException("cannot cast " + self.Class().name + " to " +
                                       T::StaticClass().name);
        }
        if (args.size() != sizeof...(A)) {
            throw EventBindingException("handler of " + T::StaticClass().name + " takes " +
                                        std::to_string(sizeof...(A)) + " arguments, not " +
                                        std::to_string(args.size()));
        }
        return detail::CallMethod(method, *target, args, std::index_sequence_for<A...>{});
    };
}

// A delegate on method with target as its receiver. The delegate holds the
// target weakly: a control never keeps its window alive. The handler receives
// the sender first, then the event's arguments. flag 1 marks an instance method.
template <class T, class R, class... A>
Ref<Delegate> RuntimeCreateDelegate(R (T::*method)(A...), const Ref<T>& target,
                                    std::string signature, int flag) {
    (void)flag;
    if (!target) {
        throw NilObjectException("delegate created on a nil target");
    }
    std::weak_ptr<T> weak = target;
    EventHandler handler = MethodHandler(method);
    return std::make_shared<Delegate>(
        std::move(signature),
        [weak, handler](const Ref<Object>& sender, const Args& args) -> Variant {
            Ref<T> self = weak.lock();
            if (!self) {
                throw NilObjectException("the delegate's target is gone");
            }
            Args all;
            all.reserve(args.size() + 1);
            all.emplace_back(sender);
            all.insert(all.end(), args.begin(), args.end());
            return handler(*self, all);
        });
}

// Binds delegate to obj's event number. The event must be one the object's class
// raises, and the delegate's signature must be the event's; else EventBindingException
// naming both. A later binding to the same number replaces the earlier.
void RuntimeAddEventHandler(const Ref<Object>& obj, int eventNumber, const Ref<Delegate>& delegate);

// Raises obj's event number: runs the bound delegate with obj as the sender and
// hands its result back; nullopt when no delegate is bound (the caller applies
// the framework's default).
std::optional<Variant> RaiseEvent(Object& obj, int eventNumber, const Args& args = {});

// Raises an event that obj's class answers itself (a window event such as
// "Open"): runs the handler found in the class or its parents; nullopt when none.
std::optional<Variant> RaiseClassEvent(Object& obj, std::string_view eventName,
                                       const Args& args = {});

}  // namespace fw
