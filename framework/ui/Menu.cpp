#include "framework/ui/Menu.h"

#include <algorithm>

namespace fw {

namespace {

template <class C>
ClassRecord MenuClass(const char* name) {
    ClassRecord r;
    r.name = name;
    r.parent = &C::StaticClass();
    return r;
}

}  // namespace

const ClassRecord& MenuItem::StaticClass() {
    static const ClassRecord& record =
        RuntimeClassRecord("MenuItem", [] { return MenuClass<Object>("MenuItem"); });
    return record;
}

const ClassRecord& MenuBar::StaticClass() {
    static const ClassRecord& record =
        RuntimeClassRecord("MenuBar", [] { return MenuClass<MenuItem>("MenuBar"); });
    return record;
}

const ClassRecord& QuitMenuItem::StaticClass() {
    static const ClassRecord& record =
        RuntimeClassRecord("QuitMenuItem", [] { return MenuClass<MenuItem>("QuitMenuItem"); });
    return record;
}

const ClassRecord& AppleMenuItem::StaticClass() {
    static const ClassRecord& record =
        RuntimeClassRecord("AppleMenuItem", [] { return MenuClass<MenuItem>("AppleMenuItem"); });
    return record;
}

void MenuItem::Name(std::string_view value) {
    if (name_ != value) {
        name_ = value;
        Touch();
    }
}

void MenuItem::Value(std::string_view value) {
    if (value_ != value) {
        value_ = value;
        Touch();
    }
}

void MenuItem::Shortcut(std::string_view value) {
    if (shortcut_ != value) {
        shortcut_ = value;
        Touch();
    }
}

void MenuItem::AutoEnabled(bool value) {
    if (autoEnabled_ != value) {
        autoEnabled_ = value;
        Touch();
    }
}

void MenuItem::Visible(bool value) {
    if (visible_ != value) {
        visible_ = value;
        Touch();
    }
}

void MenuItem::Enabled(bool value) {
    // The quit command must stay reachable whatever the program enables.
    if (!value && dynamic_cast<const QuitMenuItem*>(this) != nullptr) {
        return;
    }
    if (enabled_ != value) {
        enabled_ = value;
        Touch();
    }
}

void MenuItem::AddMenu(const Ref<MenuItem>& item) {
    if (!item) {
        throw NilObjectException("nil menu item added to " + name_);
    }
    auto self = std::static_pointer_cast<MenuItem>(shared_from_this());
    for (const MenuItem* up = this; up != nullptr; up = up->parent_.lock().get()) {
        if (up == item.get()) {
            throw RuntimeException("menu item " + item->name_ + " cannot contain itself");
        }
    }
    // An item lives in one menu only: adding it elsewhere moves it.
    if (Ref<MenuItem> old = item->parent_.lock()) {
        auto& siblings = old->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), item), siblings.end());
        old->Touch();
    }
    children_.push_back(item);
    item->parent_ = self;
    Touch();
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

Ref<MenuItem> MenuItem::Item(int64_t index) const {
    if (index < 0 || index >= Count()) {
        return nullptr;
    }
    return children_[static_cast<std::size_t>(index)];
}

uint64_t MenuItem::_Revision() const {
    return revision_;
}

void MenuItem::Touch() {
    for (MenuItem* item = this; item != nullptr; item = item->parent_.lock().get()) {
        ++item->revision_;
    }
}

}  // namespace fw
