#include "framework/ui/Menu.h"

namespace fw {

const ClassRecord& MenuItem::StaticClass() {
    static const ClassRecord& record = RuntimeClassRecord("MenuItem", &Object::StaticClass());
    return record;
}

const ClassRecord& MenuBar::StaticClass() {
    static const ClassRecord& record = RuntimeClassRecord("MenuBar", &MenuItem::StaticClass());
    return record;
}

const ClassRecord& QuitMenuItem::StaticClass() {
    static const ClassRecord& record = RuntimeClassRecord("QuitMenuItem", &MenuItem::StaticClass());
    return record;
}

const ClassRecord& AppleMenuItem::StaticClass() {
    static const ClassRecord& record =
        RuntimeClassRecord("AppleMenuItem", &MenuItem::StaticClass());
    return record;
}

void MenuItem::Name(std::string_view value) {
    name_ = std::string(value);
}

void MenuItem::Value(std::string_view value) {
    value_ = std::string(value);
}

void MenuItem::Shortcut(std::string_view value) {
    shortcut_ = std::string(value);
}

void MenuItem::AddMenu(const Ref<MenuItem>& item) {
    if (!item) {
        throw NilObjectException("nil menu item added to " + name_);
    }
    children_.push_back(item);
}

Ref<MenuItem> MenuItem::Child(std::string_view name) const {
    for (const auto& child : children_) {
        if (child->name_ == name) {
            return child;
        }
    }
    return nullptr;
}

Ref<MenuItem> MenuItem::_Lookup(std::string_view name) const {
    for (const auto& child : children_) {
        if (child->name_ == name) {
            return child;
        }
        if (Ref<MenuItem> found = child->_Lookup(name)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace fw
