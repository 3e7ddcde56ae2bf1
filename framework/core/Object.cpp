#include "framework/core/Object.h"

namespace fw {

bool ClassRecord::IsA(const ClassRecord& other) const {
    for (const ClassRecord* c = this; c != nullptr; c = c->parent) {
        if (c == &other) {
            return true;
        }
    }
    return false;
}

const EventDecl* ClassRecord::FindEvent(int number) const {
    for (const ClassRecord* c = this; c != nullptr; c = c->parent) {
        for (const EventDecl& e : c->events) {
            if (e.number == number) {
                return &e;
            }
        }
    }
    return nullptr;
}

const EventHandler* ClassRecord::FindHandler(std::string_view eventName) const {
    for (const ClassRecord* c = this; c != nullptr; c = c->parent) {
        auto it = c->handlers.find(eventName);
        if (it != c->handlers.end()) {
            return &it->second;
        }
    }
    return nullptr;
}

std::optional<PropertyType> ClassRecord::FindProperty(std::string_view propertyName) const {
    for (const ClassRecord* c = this; c != nullptr; c = c->parent) {
        auto it = c->properties.find(propertyName);
        if (it != c->properties.end()) {
            return it->second;
        }
    }
    return std::nullopt;
}

namespace {

// Records live in nodes of a map, so their addresses never change; the map is
// never destroyed, so objects that outlive main (globals of the program) can
// still ask for their class.
std::map<std::string, ClassRecord, std::less<>>& Registry() {
    static auto* records = new std::map<std::string, ClassRecord, std::less<>>;
    return *records;
}

}  // namespace

const ClassRecord& RuntimeClassRecord(std::string_view name, const ClassRecord* parent,
                                      void (*extend)(ClassRecord&)) {
    auto& records = Registry();
    if (auto it = records.find(name); it != records.end()) {
        return it->second;
    }
    ClassRecord record;
    record.name = std::string(name);
    record.parent = parent;
    if (extend != nullptr) {
        extend(record);
    }
    return records.emplace(std::string(name), std::move(record)).first->second;
}

const ClassRecord* RuntimeLookupClass(std::string_view name) {
    auto it = Registry().find(name);
    return it == Registry().end() ? nullptr : &it->second;
}

const ClassRecord& Object::StaticClass() {
    static const ClassRecord& record = RuntimeClassRecord("Object", nullptr);
    return record;
}

void Object::SetProperty(std::string_view name, const PropertyValue& value) {
    (void)value;
    throw PropertyTableException("class " + Class().name + " has no property " + std::string(name));
}

Ref<Delegate> Object::BoundEvent(int number) const {
    auto it = bound_.find(number);
    return it == bound_.end() ? nullptr : it->second;
}

bool _RuntimeIsEventHandled(const Object& obj, std::string_view className,
                            std::string_view eventName, bool userFlag) {
    // Every handler a record holds is the program's own, so userFlag narrows nothing.
    (void)userFlag;
    // Asking for obj's class first builds its whole chain, className among it if
    // obj belongs to that class.
    const ClassRecord& own = obj.Class();
    const ClassRecord* record = RuntimeLookupClass(className);
    if (record == nullptr || !own.IsA(*record)) {
        return false;
    }
    return record->handlers.contains(eventName);
}

const ClassRecord& WeakRef::StaticClass() {
    static const ClassRecord& record = RuntimeClassRecord("WeakRef", &Object::StaticClass());
    return record;
}

}  // namespace fw
