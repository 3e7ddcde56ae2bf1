#include "framework/core/Object.h"

#include <mutex>
#include <set>

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

// Records live in nodes of a map, so their addresses never change; the registry
// itself is never destroyed, so objects that outlive main (globals of the
// program) can still ask for their class.
struct ClassRegistry {
    std::recursive_mutex mutex;  // a build may ask for its parent's record
    std::map<std::string, ClassRecord, std::less<>> records;
    std::set<std::string, std::less<>> building;
};

ClassRegistry& Registry() {
    static ClassRegistry* registry = new ClassRegistry;
    return *registry;
}

}  // namespace

const ClassRecord& RuntimeClassRecord(std::string_view name, ClassRecord (*build)()) {
    ClassRegistry& reg = Registry();
    std::lock_guard lock(reg.mutex);
    if (auto it = reg.records.find(name); it != reg.records.end()) {
        return it->second;
    }
    if (build == nullptr) {
        throw RuntimeException("no class record for " + std::string(name));
    }
    if (reg.building.contains(name)) {
        throw RuntimeException("the class record of " + std::string(name) +
                               " needs itself to be built");
    }
    auto [pending, inserted] = reg.building.emplace(name);
    ClassRecord record;
    try {
        record = build();
    } catch (...) {
        reg.building.erase(pending);
        throw;
    }
    reg.building.erase(pending);
    if (record.name.empty()) {
        record.name = std::string(name);
    } else if (record.name != name) {
        throw RuntimeException("the class record registered as " + std::string(name) +
                               " calls itself " + record.name);
    }
    return reg.records.emplace(std::string(name), std::move(record)).first->second;
}

const ClassRecord* RuntimeLookupClass(std::string_view name) {
    ClassRegistry& reg = Registry();
    std::lock_guard lock(reg.mutex);
    auto it = reg.records.find(name);
    return it == reg.records.end() ? nullptr : &it->second;
}

const ClassRecord& Object::StaticClass() {
    static const ClassRecord& record = RuntimeClassRecord("Object", [] {
        ClassRecord r;
        r.name = "Object";
        return r;
    });
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
    static const ClassRecord& record = RuntimeClassRecord("WeakRef", [] {
        ClassRecord r;
        r.name = "WeakRef";
        r.parent = &Object::StaticClass();
        return r;
    });
    return record;
}

}  // namespace fw
