#include "framework/core/Delegate.h"

namespace fw {

const ClassRecord& Delegate::StaticClass() {
    static const ClassRecord& record = RuntimeClassRecord("Delegate", &Object::StaticClass());
    return record;
}

void RuntimeAddEventHandler(const Ref<Object>& obj, int eventNumber,
                            const Ref<Delegate>& delegate) {
    if (!obj) {
        throw NilObjectException("event handler added to a nil object");
    }
    if (!delegate) {
        throw NilObjectException("nil delegate bound to event " + std::to_string(eventNumber) +
                                 " of " + obj->Class().name);
    }
    const EventDecl* event = obj->Class().FindEvent(eventNumber);
    if (event == nullptr) {
        throw EventBindingException("class " + obj->Class().name + " has no event number " +
                                    std::to_string(eventNumber) + " for the delegate \"" +
                                    delegate->Signature() + "\"");
    }
    if (delegate->Signature() != event->signature) {
        throw EventBindingException("delegate \"" + delegate->Signature() +
                                    "\" does not fit event " + std::string(event->name) + " (" +
                                    std::to_string(eventNumber) + ") of " + obj->Class().name +
                                    ", which is \"" + std::string(event->signature) + "\"");
    }
    obj->bound_[eventNumber] = delegate;
}

std::optional<Variant> RaiseEvent(Object& obj, int eventNumber, const Args& args) {
    // Held here so that a handler that rebinds the event does not free itself.
    Ref<Delegate> delegate = obj.BoundEvent(eventNumber);
    if (!delegate) {
        return std::nullopt;
    }
    return delegate->Invoke(obj.weak_from_this().lock(), args);
}

std::optional<Variant> RaiseClassEvent(Object& obj, std::string_view eventName, const Args& args) {
    const EventHandler* handler = obj.Class().FindHandler(eventName);
    if (handler == nullptr) {
        return std::nullopt;
    }
    return (*handler)(obj, args);
}

}  // namespace fw
