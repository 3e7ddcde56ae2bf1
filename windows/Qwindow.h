#pragma once
// The "Information" window: one editable text area with the descriptive text.
#include <string>

#include "framework/ui/Window.h"

class Qwindow : public fw::Window {
  public:
    static const fw::ClassRecord& StaticClass();
    const fw::ClassRecord& Class() const override { return StaticClass(); }

    void Layout();
    void CreateControls();
    void _CreateControls0();
    fw::Ref<fw::TextArea> Qfld();
    bool IsEventImplemented(const std::string& name) const;
};

// The live Information window, or a new one.
fw::Ref<class Qwindow> Qwindow();
