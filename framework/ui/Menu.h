#pragma once
// Menus: a tree of items under one menu bar. The application's bar serves
// every window: a window that sets a bar of its own draws it above its content
// area, the others only answer its shortcuts. Before a menu opens or a
// shortcut is tried, every item that is not auto-enabled is disabled and the
// active window's EnableMenuItems event runs. A chosen item runs the handler
// its window registered under the item's name. The caption "-" is a
// separator; an item or menu with an empty caption is not shown. Shortcuts
// are written "Cmd+X", which is Ctrl+X here.
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
    void AutoEnabled(bool value) { autoEnabled_ = value; }
    bool Visible() const { return visible_; }
    void Visible(bool value) { visible_ = value; }
    bool Enabled() const { return enabled_; }
    void Enabled(bool value) { enabled_ = value; }

    // Appends item as this item's last child.
    void AddMenu(const Ref<MenuItem>& item);
    // The direct child of that name, or nil.
    Ref<MenuItem> Child(std::string_view name) const;
    // The item of that name anywhere below this one, or nil.
    Ref<MenuItem> _Lookup(std::string_view name) const;
    const std::vector<Ref<MenuItem>>& _Children() const { return children_; }

  private:
    std::string name_, value_, shortcut_;
    bool autoEnabled_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    std::vector<Ref<MenuItem>> children_;
};

class MenuBar : public MenuItem {
  public:
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }
};

// Quits the application with exit code 0 when chosen.
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
