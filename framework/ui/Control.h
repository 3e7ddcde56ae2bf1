#pragma once
// Controls: the objects a window owns and keeps under their names. Each takes
// its initial properties from a property table (_SetProperties) and raises its
// events through the delegates bound to it.
//
// Event numbers, as the program binds them:
//   TextField   9 KeyDown "( TextField, String ) as Boolean", 21 TextChange "( TextField )"
//   RadioButton 15 Action "( RadioButton )"
//   PushButton  15 Action "( PushButton )"
//   Canvas      21 MouseDown "( Canvas, Integer, Integer ) as Boolean"
//   Timer       0 Action "( Timer )"
#include <memory>
#include <string>
#include <string_view>

#include "framework/core/Object.h"

class QWidget;

namespace fw {

class Window;
class Picture;

// What every control has: a name and the window that owns it.
class Control : public Object {
  public:
    Control();
    ~Control() override;
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }

    const std::string& Name() const;
    // The owning window; nil once it is gone.
    Ref<fw::Window> Window() const;

    void SetProperty(std::string_view name, const PropertyValue& value) override;

    // Framework use: the window that made the control (Window.__New) and its name.
    void _SetOwner(const Ref<fw::Window>& window);
    void _SetName(std::string_view name);

    struct Impl;
    Impl& _Impl() const { return *impl_; }

  private:
    std::unique_ptr<Impl> impl_;
};

// A control with a place on the window: a real widget.
class RectControl : public Control {
  public:
    RectControl();
    ~RectControl() override;
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }

    // The default construction: makes the control's widget on its window's content area.
    virtual void Constructor();

    bool Visible() const;
    void Visible(bool value);
    bool Enabled() const;
    void Enabled(bool value);
    // Moves the keyboard focus to the control.
    void SetFocus();
    // Position and size in points, from the window's content area.
    int64_t Left() const;
    int64_t Top() const;
    int64_t Width() const;
    int64_t Height() const;

    void SetProperty(std::string_view name, const PropertyValue& value) override;

    // The control's widget; nullptr before Constructor or once the window is gone.
    QWidget* _Widget() const;

  protected:
    // Makes the widget; each control class makes its own kind.
    virtual QWidget* _CreateWidget(QWidget* parent) = 0;
    // Applies the properties the widget needs once they have all been set.
    virtual void _Refresh() {}
};

class GroupBox : public RectControl {
  public:
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }
    void SetProperty(std::string_view name, const PropertyValue& value) override;

  protected:
    QWidget* _CreateWidget(QWidget* parent) override;
};

class TextField : public RectControl {
  public:
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }

    // The field's whole text. Setting it raises TextChange when the text changes.
    std::string Text() const;
    void Text(std::string_view value);

    void SetProperty(std::string_view name, const PropertyValue& value) override;

  protected:
    QWidget* _CreateWidget(QWidget* parent) override;
};

class Label : public RectControl {
  public:
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }
    std::string Text() const;
    void Text(std::string_view value);
    void SetProperty(std::string_view name, const PropertyValue& value) override;

  protected:
    QWidget* _CreateWidget(QWidget* parent) override;
};

class RadioButton : public RectControl {
  public:
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }
    // Selected or not. Setting it raises no Action; the buttons of one group box
    // are exclusive.
    bool Value() const;
    void Value(bool value);
    void SetProperty(std::string_view name, const PropertyValue& value) override;

  protected:
    QWidget* _CreateWidget(QWidget* parent) override;
};

class PushButton : public RectControl {
  public:
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }
    void SetProperty(std::string_view name, const PropertyValue& value) override;

  protected:
    QWidget* _CreateWidget(QWidget* parent) override;
};

class Canvas : public RectControl {
  public:
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }
    // The picture drawn as the canvas's background, at its top-left, unscaled; nil: none.
    Ref<Picture> Backdrop() const;
    void Backdrop(const Ref<Picture>& picture);
    void SetProperty(std::string_view name, const PropertyValue& value) override;

  protected:
    QWidget* _CreateWidget(QWidget* parent) override;
};

class Separator : public RectControl {
  public:
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }
    void SetProperty(std::string_view name, const PropertyValue& value) override;

  protected:
    QWidget* _CreateWidget(QWidget* parent) override;
};

// A multi-line text whose lines are separated by carriage returns (code 13).
class TextArea : public RectControl {
  public:
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }
    std::string Text() const;
    void Text(std::string_view value);
    void SetProperty(std::string_view name, const PropertyValue& value) override;

  protected:
    QWidget* _CreateWidget(QWidget* parent) override;
};

// A control without a widget that raises Action after Period milliseconds:
// RunMode 0 off, 1 once, 2 repeatedly. Setting RunMode (as applying a table
// does) starts it. It fires from the event loop whether its window is shown
// or hidden.
class Timer : public Control {
  public:
    Timer();
    ~Timer() override;
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }

    virtual void Constructor();
    int64_t Period() const;
    void Period(int64_t milliseconds);
    int64_t RunMode() const;
    void RunMode(int64_t mode);
    void SetProperty(std::string_view name, const PropertyValue& value) override;

    struct TimerImpl;

  private:
    std::unique_ptr<TimerImpl> timer_;
};

}  // namespace fw
