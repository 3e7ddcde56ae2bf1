#pragma once
// Menus: a tree of items under one menu bar. A window that shows a bar turns
// it into a real menu bar above its content area; before a menu opens, every
// item that is not auto-enabled is disabled and the window's EnableMenuItems
// event runs. A chosen item runs the handler its window registered under the
// item's name. The caption "-" is a separator; an item or menu with an empty
// caption is not shown. Shortcuts are written "Cmd+X", which is Ctrl+X here.
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/Object.h"

namespace fw {

class MenuItem : public Object {
  public:
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }

    // The default construction: a detached item with no children.
    virtual void Constructor() {}

    const std::string& Name() const { return name_; }
    void Name(std::string_view value);
    // The caption.
    const std::string& Value() const { return value_; }
    void Value(std::string_view value);
    const std::string& Shortcut() const { return shortcut_; }
    void Shortcut(std::string_view value);
    bool AutoEnabled() const { return autoEnabled_; }
    void AutoEnabled(bool value);
    bool Visible() const { return visible_; }
    void Visible(bool value);
    bool Enabled() const { return enabled_; }
    void Enabled(bool value);

    // Appends item as this item's last child.
    void AddMenu(const Ref<MenuItem>& item);
    // The direct child of that name, or nil.
    Ref<MenuItem> Child(std::string_view name) const;
    // The item of that name anywhere below this one, or nil.
    Ref<MenuItem> _Lookup(std::string_view name) const;
    int64_t Count() const { return static_cast<int64_t>(children_.size()); }
    // The child at index (0-based), or nil.
    Ref<MenuItem> Item(int64_t index) const;
    // The item this one is attached to, or nil.
    Ref<MenuItem> Parent() const { return parent_.lock(); }

    // Increases whenever anything about the item or its children changes, so
    // that a shown menu bar knows when to bring itself up to date.
    uint64_t _Revision() const;

  private:
    void Touch();
    std::string name_, value_, shortcut_;
    bool autoEnabled_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    std::vector<Ref<MenuItem>> children_;
    std::weak_ptr<MenuItem> parent_;
    uint64_t revision_ = 0;
};

class MenuBar : public MenuItem {
  public:
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }
};

// Quits the application with exit code 0 when chosen; always enabled.
class QuitMenuItem : public MenuItem {
  public:
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }
};

// The item that tells about the application.
class AppleMenuItem : public MenuItem {
  public:
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }
};

}  // namespace fw
