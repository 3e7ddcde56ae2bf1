#pragma once
// The splash window: shown at launch, hands over to the calculator window
// after 4000 ms, and serves later as the About box.
#include <string>

#include "framework/ui/Window.h"

class SplashWnd : public fw::Window {
  public:
    static const fw::ClassRecord& StaticClass();
    const fw::ClassRecord& Class() const override { return StaticClass(); }

    // The timer's own class; it remembers the window that holds it, weakly.
    class _wrapper_Timer1 : public fw::Timer {
      public:
        static const fw::ClassRecord& StaticClass();
        const fw::ClassRecord& Class() const override { return StaticClass(); }
        void Constructor() override;
        fw::Ref<fw::WeakRef> mWindow;
        int64_t mIndex = -2147483648LL;
    };

    void Layout();
    void CreateControls();
    void _CreateControls0();
    fw::Ref<fw::Canvas> Canvas4();
    fw::Ref<fw::Canvas> Canvas2();
    fw::Ref<fw::Label> Label1();
    fw::Ref<fw::Timer> Timer1();
    void Timer1_Action(fw::Ref<fw::Timer> timer);
    bool Event_MouseDown(int64_t x, int64_t y);
    bool Event_KeyDown(std::string key);
    bool IsEventImplemented(const std::string& name) const;
};

// The live splash window, or a new one.
fw::Ref<class SplashWnd> SplashWnd();
