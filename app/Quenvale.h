#pragma once
// The application object: holds the version data and the menu bar, handles no events.
#include <string>

#include "framework/ui/Application.h"

// The one-line rights notice: the splash window's notice line and the long version.
inline constexpr const char* kQuenvaleNotice = "Copyright \u00A9 2020-2026 The Quenvale authors";

class Quenvale : public fw::Application {
  public:
    static const fw::ClassRecord& StaticClass();
    const fw::ClassRecord& Class() const override { return StaticClass(); }

    void Constructor();
    bool IsEventImplemented(const std::string& name) const;
};
