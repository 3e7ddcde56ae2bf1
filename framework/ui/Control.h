#pragma once
// Controls: the objects a window owns and keeps under their names. Each takes
// its initial properties from a property table (_SetProperties) and raises its
// events through the delegates bound to it, by the numbers below.
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
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }
    ~RectControl() override;

    // The default construction: makes the control's widget on its window's content area.
    virtual void Constructor();

    bool Visible() const;
    void Visible(bool value);
    // Moves the keyboard focus to the control.
    void SetFocus();

    // The widget takes a table's entries all at once, after the last of them.
    void _PropertiesApplied() override;

    // The control's widget; nullptr before Constructor or once the window is gone.
    QWidget* _Widget() const;

  protected:
    // Makes the widget; each control class makes its own kind.
    virtual QWidget* _CreateWidget(QWidget* parent) = 0;
};

class GroupBox : public RectControl {
  public:
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }

  protected:
    QWidget* _CreateWidget(QWidget* parent) override;
};

class TextField : public RectControl {
  public:
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }
    static constexpr EventDecl kKeyDown{9, "KeyDown", "( TextField, String ) as Boolean"};
    static constexpr EventDecl kTextChange{21, "TextChange", "( TextField )"};

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
    void SetProperty(std::string_view name, const PropertyValue& value) override;

  protected:
    QWidget* _CreateWidget(QWidget* parent) override;
};

class RadioButton : public RectControl {
  public:
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }
    static constexpr EventDecl kAction{15, "Action", "( RadioButton )"};
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
    static constexpr EventDecl kAction{15, "Action", "( PushButton )"};

  protected:
    QWidget* _CreateWidget(QWidget* parent) override;
};

class Canvas : public RectControl {
  public:
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }
    static constexpr EventDecl kMouseDown{21, "MouseDown",
                                          "( Canvas, Integer, Integer ) as Boolean"};
    // The picture drawn as the canvas's background, at its top-left, unscaled; nil: none.
    Ref<Picture> Backdrop() const;
    void Backdrop(const Ref<Picture>& picture);

  protected:
    QWidget* _CreateWidget(QWidget* parent) override;
};

class Separator : public RectControl {
  public:
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }

  protected:
    QWidget* _CreateWidget(QWidget* parent) override;
};

// A multi-line text whose lines are separated by carriage returns (code 13).
class TextArea : public RectControl {
  public:
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }
    std::string Text() const;
    void SetProperty(std::string_view name, const PropertyValue& value) override;

  protected:
    QWidget* _CreateWidget(QWidget* parent) override;
};

// A control without a widget that raises Action once, Period milliseconds
// after its RunMode is set to Single (as applying its table does). It fires
// from the event loop whether its window is shown or hidden.
class Timer : public Control {
  public:
    Timer();
    ~Timer() override;
    static const ClassRecord& StaticClass();
    const ClassRecord& Class() const override { return StaticClass(); }
    static constexpr EventDecl kAction{0, "Action", "( Timer )"};
    enum class RunModes : int64_t { Off = 0, Single = 1 };

    virtual void Constructor() {}
    int64_t Period() const;
    RunModes RunMode() const;
    void SetProperty(std::string_view name, const PropertyValue& value) override;

    struct TimerImpl;

  private:
    std::unique_ptr<TimerImpl> timer_;
};

}  // namespace fw
