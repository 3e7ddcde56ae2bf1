#pragma once
// The calculator window.
#include <string>

#include "framework/ui/Menu.h"
#include "framework/ui/Window.h"

class MainWnd : public fw::Window {
  public:
    static const fw::ClassRecord& StaticClass();
    const fw::ClassRecord& Class() const override { return StaticClass(); }

    // Window construction steps.
    void Layout();
    void CreateControls();
    void _CreateControls0();

    // Control accessors: each looks its control up by name on every call.
    fw::Ref<fw::GroupBox> dfBox();
    fw::Ref<fw::TextField> df1Edit();
    fw::Ref<fw::TextField> df2Edit();
    fw::Ref<fw::Label> df1Text();
    fw::Ref<fw::Label> df2Text();
    fw::Ref<fw::Label> Ntext();
    fw::Ref<fw::Label> Dtext();
    fw::Ref<fw::GroupBox> testBox();
    fw::Ref<fw::RadioButton> ZBtn();
    fw::Ref<fw::RadioButton> TBtn();
    fw::Ref<fw::RadioButton> FBtn();
    fw::Ref<fw::RadioButton> XBtn();
    fw::Ref<fw::PushButton> CalcBtn();
    fw::Ref<fw::PushButton> ClearBtn();
    fw::Ref<fw::Canvas> Canvas1();
    fw::Ref<fw::Canvas> Canvas2();
    fw::Ref<fw::Canvas> Canvas3();
    fw::Ref<fw::Label> StaticText1();
    fw::Ref<fw::TextField> zEdit();
    fw::Ref<fw::Label> pText();
    fw::Ref<fw::TextField> pEdit();
    fw::Ref<fw::Label> TailText();
    fw::Ref<fw::Separator> Separator1();
    fw::Ref<fw::Label> Label1();

    // Control event handlers.
    bool df1Edit_KeyDown(fw::Ref<fw::TextField> sender, std::string key);
    void df1Edit_TextChange(fw::Ref<fw::TextField> sender);
    void df2Edit_TextChange(fw::Ref<fw::TextField> sender);
    bool df2Edit_KeyDown(fw::Ref<fw::TextField> sender, std::string key);
    void ZBtn_Action(fw::Ref<fw::RadioButton> sender);
    void TBtn_Action(fw::Ref<fw::RadioButton> sender);
    void FBtn_Action(fw::Ref<fw::RadioButton> sender);
    void XBtn_Action(fw::Ref<fw::RadioButton> sender);
    void CalcBtn_Action(fw::Ref<fw::PushButton> sender);
    void ClearBtn_Action(fw::Ref<fw::PushButton> sender);
    bool Canvas2_MouseDown(fw::Ref<fw::Canvas> sender, int64_t x, int64_t y);
    bool zEdit_KeyDown(fw::Ref<fw::TextField> sender, std::string key);
    void zEdit_TextChange(fw::Ref<fw::TextField> sender);
    bool pEdit_KeyDown(fw::Ref<fw::TextField> sender, std::string key);

    // Menu-item accessors.
    fw::Ref<fw::MenuItem> UntitledMenu3();
    fw::Ref<fw::MenuItem> UntitledMenu0();
    fw::Ref<fw::AppleMenuItem> UntitledMenu4();
    fw::Ref<fw::AppleMenuItem> About();
    fw::Ref<fw::MenuItem> UntitledMenu5();
    fw::Ref<fw::MenuItem> EditClear();
    fw::Ref<fw::MenuItem> EditPaste();
    fw::Ref<fw::MenuItem> EditCopy();
    fw::Ref<fw::MenuItem> EditCut();
    fw::Ref<fw::MenuItem> UntitledMenu1();
    fw::Ref<fw::MenuItem> EditUndo();
    fw::Ref<fw::MenuItem> UntitledMenu2();
    fw::Ref<fw::MenuItem> UntitledMenu6();
    fw::Ref<fw::QuitMenuItem> FileQuit();
    fw::Ref<fw::MenuItem> Apple();

    void AddMenuHandlers(fw::Ref<fw::Window> w);
    void Event_Close();
    void Event_Open();
    void Event_EnableMenuItems();
    bool _About_Action();

    bool IsEventImplemented(const std::string& name) const;

    // The selected test: 0 none, 1 Z, 2 t, 3 F, 4 chi-square.
    int64_t btn = 0;

  private:
    // What the four test buttons do, for the test with that code.
    void _SelectTest(int64_t test);
    // Takes the shown result off the screen: "two-tailed", "p" and the result field.
    void _HideResult();
    // The key filters: lets backspace, tab and the codes from lowest to "9" through,
    // beeps at and swallows every other key (true).
    static bool _RefuseKey(const std::string& key, int64_t lowest);
};

// The live calculator window, or a new one.
fw::Ref<class MainWnd> MainWnd();
