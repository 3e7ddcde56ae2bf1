#pragma once
// The application's one menu bar, shared by the application and the calculator window.
#include "framework/ui/Menu.h"

class Menu : public fw::MenuBar {
  public:
    static const fw::ClassRecord& StaticClass();
    const fw::ClassRecord& Class() const override { return StaticClass(); }

    // Builds the four top-level menus and their items, replacing the inherited construction.
    void Constructor() override;
    void Untitled0();
    void Untitled1();
    void Untitled2();
    void Untitled3();

    // The one bar; nil until Menu() first succeeds.
    static fw::Ref<Menu> _implicitInstance;
};

// The one menu bar, made on the first call.
fw::Ref<class Menu> Menu();
