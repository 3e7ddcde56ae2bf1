// The control classes and their widgets: GroupBox, TextField, Label,
// RadioButton, PushButton, Canvas, Separator, TextArea.
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>
#include <utility>

#include "framework/ui/Control.h"
#include "framework/ui/Picture.h"
#include "framework/ui/detail/ControlImpl.h"
#include "framework/ui/detail/FieldValidator.h"
#include "framework/ui/detail/Keys.h"
#include "framework/ui/detail/PictureImpl.h"
#include "framework/ui/detail/StyledPaste.h"

namespace fw {

namespace {

using detail::ControlWidget;
using I = Control::Impl;

// A control class's record: its properties by name (their types are declared
// once, in Control.cpp) and the events it raises.
void Declare(ClassRecord& r, std::initializer_list<std::string_view> properties,
             std::initializer_list<EventDecl> events = {}) {
    detail::DeclareControlProperties(r, properties);
    r.events.assign(events.begin(), events.end());
}

// The text that the classes with a String Value take from their tables.
const std::string& TextValue(const PropertyValue& value) {
    const auto* text = std::get_if<std::string>(&value);
    if (text == nullptr) {
        throw PropertyTableException("property Value takes a String");
    }
    return *text;
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A caption is shown as written: "&" would otherwise mark a mnemonic.
QString CaptionText(const std::string& caption) {
    return ToQString(caption).replace(QLatin1Char('&'), QLatin1String("&&"));
}

// TextAlignment: 0 the default (left), 1 left, 2 centred, 3 right.
Qt::Alignment Horizontal(int64_t alignment) {
    switch (alignment) {
        case 2:
            return Qt::AlignHCenter;
        case 3:
            return Qt::AlignRight;
        default:
            return Qt::AlignLeft;
    }
}

// Sets a colour role for the active and inactive states; a disabled control
// keeps the platform's disabled look.
void SetColors(QWidget* w, std::initializer_list<std::pair<QPalette::ColorRole, Color>> roles) {
    QPalette palette;
    for (const auto& [role, color] : roles) {
        palette.setColor(QPalette::Active, role, detail::ToQColor(color));
        palette.setColor(QPalette::Inactive, role, detail::ToQColor(color));
    }
    w->setPalette(palette);
}

// The control's widgets. Each holds its control weakly: the window owns the
// control, and the widget may outlive it until Qt deletes it.

class GroupBoxWidget final : public QGroupBox, public ControlWidget {
  public:
    using QGroupBox::QGroupBox;
    void Apply(const I& d) override {
        setTitle(CaptionText(d.caption));
        const QPoint blank = BlankBeforeFrame();
        const QPoint shift(blank.x(), title().isEmpty() ? blank.y() : 0);
        if (shift_ != shift || transparent_ != d.transparent) {
            shift_ = shift;
            transparent_ = d.transparent;
            update();
        }
    }
    Qt::FocusPolicy NaturalFocus(const I&) const override { return Qt::NoFocus; }

  protected:
    // Drawing from further left, and for a box without caption from higher up,
    // puts the frame on the box's edges.
    void initStyleOption(QStyleOptionGroupBox* option) const override {
        QGroupBox::initStyleOption(option);
        option->rect.adjust(-shift_.x(), -shift_.y(), 0, 0);
    }

    // A transparent box leaves out what the style fills its inside with, so
    // that the window shows through.
    void paintEvent(QPaintEvent* e) override {
        if (!transparent_) {
            QGroupBox::paintEvent(e);
            return;
        }
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        QImage image = Drawn(option, size(), devicePixelRatioF());
        const QPoint inside =
            style()
                ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, this)
                .center() *
            image.devicePixelRatio();
        if (image.rect().contains(inside)) {  // the fill's colour, cleared wherever it is
            const QRgb fill =
                reinterpret_cast<const QRgb*>(image.constScanLine(inside.y()))[inside.x()];
            for (int y = 0; y < image.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
                std::replace(line, line + image.width(), fill, QRgb{0});
            }
        }
        QPainter(this).drawImage(0, 0, image);
    }

  private:
    QImage Drawn(const QStyleOptionGroupBox& option, QSize size, qreal scale) const {
        QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setFont(font());  // for the caption, as a painter on the box has it
        style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
        painter.end();
        return image;
    }

    // The style leaves blank room before the frame: a column at its left, and
    // above it the rows of a caption even when there is none. Measured on the
    // frame alone: x the blank columns, y the blank rows.
    QPoint BlankBeforeFrame() const {
        QStyleOptionGroupBox option;
        QGroupBox::initStyleOption(&option);
        option.text.clear();
        option.rect = QRect(0, 0, 64, 64);
        const QImage image = Drawn(option, option.rect.size(), 1.0);
        QPoint blank(image.width(), image.height());
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) != 0) {
                    blank = QPoint(std::min(blank.x(), x), std::min(blank.y(), y));
                }
            }
        }
        return blank == QPoint(image.width(), image.height()) ? QPoint() : blank;
    }

    QPoint shift_;
    bool transparent_ = false;
};

class FieldWidget final : public QLineEdit, public ControlWidget {
  public:
    FieldWidget(QWidget* parent, std::weak_ptr<Object> control)
        : QLineEdit(parent),
          control_(std::move(control)),
          input_(new detail::FieldValidator(this)) {
        setValidator(input_);
    }

    // The program's text, as the field holds it.
    void SetText(const QString& text) { setText(input_->Fitted(text)); }

    void Apply(const I& d) override {
        setFrame(d.hasBorder);
        setAlignment(Horizontal(d.textAlignment) | Qt::AlignVCenter);
        setReadOnly(d.readOnly);
        const int limit = d.maximumCharactersAllowed > 0 && d.maximumCharactersAllowed < 32767
                              ? static_cast<int>(d.maximumCharactersAllowed)
                              : 32767;
        if (input_->Limit() != limit) {  // setting it again would reset the undo history
            input_->Limit(limit);
            SetText(text());
        }
        SetColors(this, {{QPalette::Text, d.textColor}, {QPalette::Base, d.backgroundColor}});
        setAttribute(Qt::WA_MacShowFocusRect, d.allowFocusRing);
        if (focusRing_ != d.allowFocusRing) {
            focusRing_ = d.allowFocusRing;
            update();
        }
    }

  protected:
    // Styles draw the focus frame as part of the field's frame: a field without
    // one draws its frame as if it had no focus.
    void initStyleOption(QStyleOptionFrame* option) const override {
        QLineEdit::initStyleOption(option);
        if (!focusRing_) {
            option->state &= ~QStyle::State_HasFocus;
        }
    }

    // KeyDown sees the key before the field: true keeps it from the field.
    bool event(QEvent* e) override {
        if (e->type() == QEvent::KeyPress) {
            if (auto text = keys::KeyDownText(*static_cast<QKeyEvent*>(e))) {
                if (detail::IsTrue(
                        detail::DispatchEvent(control_, TextField::kKeyDown.number, {*text}))) {
                    e->accept();
                    return true;
                }
            }
        }
        return QLineEdit::event(e);
    }

  private:
    std::weak_ptr<Object> control_;
    detail::FieldValidator* input_;
    bool focusRing_ = true;
};

class LabelWidget final : public QLabel, public ControlWidget {
  public:
    explicit LabelWidget(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }
    void Apply(const I& d) override {
        const QString text = ToQString(d.text);
        if (this->text() != text) {
            setText(text);
        }
        setAlignment(Horizontal(d.textAlignment) | Qt::AlignTop);
        SetColors(this, {{QPalette::WindowText, d.textColor}});
    }
    Qt::FocusPolicy NaturalFocus(const I&) const override { return Qt::NoFocus; }
};

class RadioWidget final : public QRadioButton, public ControlWidget {
  public:
    using QRadioButton::QRadioButton;
    void Apply(const I& d) override { setText(CaptionText(d.caption)); }

    // An arrow key selects the next button of the group: Qt clicks it and only
    // then gives it the focus. Its Action waits until the key is done, so that
    // a handler that moves the focus elsewhere is not overruled.
    static void Clicked(const std::weak_ptr<Object>& control) {
        if (navigating_) {
            pending_ = control;
        } else {
            detail::DispatchEvent(control, RadioButton::kAction.number, {});
        }
    }

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        navigating_ = true;
        QRadioButton::keyPressEvent(e);
        navigating_ = false;
        if (auto control = std::exchange(pending_, {}); !control.expired()) {
            detail::DispatchEvent(control, RadioButton::kAction.number, {});
        }
    }

  private:
    static inline bool navigating_ = false;
    static inline std::weak_ptr<Object> pending_;
};

class ButtonWidget final : public QPushButton, public ControlWidget {
  public:
    explicit ButtonWidget(QWidget* parent) : QPushButton(parent) { setAutoDefault(false); }
    void Apply(const I& d) override {
        setText(CaptionText(d.caption));
        setDefault(d.isDefault);
    }

  protected:
    // Some styles mark a focused button only by the outline a default button
    // has anyway, or only after the focus came by keyboard. The style's focus
    // frame over a focused button shows which one Space presses.
    void paintEvent(QPaintEvent* e) override {
        QPushButton::paintEvent(e);
        if (!hasFocus()) {
            return;
        }
        QStyleOptionButton button;
        initStyleOption(&button);
        QStyleOptionFocusRect frame;
        frame.QStyleOption::operator=(button);
        frame.state |= QStyle::State_KeyboardFocusChange;
        frame.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &button, this);
        QStylePainter(this).drawPrimitive(QStyle::PE_FrameFocusRect, frame);
    }
};

class CanvasWidget final : public QWidget, public ControlWidget {
  public:
    CanvasWidget(QWidget* parent, std::weak_ptr<Object> control)
        : QWidget(parent), control_(std::move(control)) {}

    void Apply(const I& d) override {
        backdrop_ = d.backdrop ? d.backdrop->_Impl().pixmap : QPixmap();
        update();
    }
    Qt::FocusPolicy NaturalFocus(const I& d) const override {
        return d.allowFocus ? Qt::StrongFocus : Qt::NoFocus;
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (!backdrop_.isNull()) {
            QPainter(this).drawPixmap(0, 0, backdrop_);
        }
    }
    // A press the handler does not claim goes on to the window's MouseDown.
    void mousePressEvent(QMouseEvent* e) override {
        const QPoint at = e->position().toPoint();
        const bool claimed = detail::IsTrue(detail::DispatchEvent(
            control_, Canvas::kMouseDown.number, {int64_t{at.x()}, int64_t{at.y()}}));
        e->setAccepted(claimed);
    }

  private:
    std::weak_ptr<Object> control_;
    QPixmap backdrop_;
};

class SeparatorWidget final : public QFrame, public ControlWidget {
  public:
    using QFrame::QFrame;
    void Apply(const I& d) override {
        setFrameShape(d.width >= d.height ? QFrame::HLine : QFrame::VLine);
        setFrameShadow(QFrame::Sunken);
    }
    Qt::FocusPolicy NaturalFocus(const I&) const override { return Qt::NoFocus; }
};

class AreaWidget final : public QTextEdit, public ControlWidget {
  public:
    explicit AreaWidget(QWidget* parent) : QTextEdit(parent) {
        setDocument(new detail::InertDocument(this));
    }
    void Apply(const I& d) override {
        setReadOnly(d.readOnly);
        setAcceptRichText(d.allowStyledText);
        setFrameShape(d.hasBorder ? QFrame::StyledPanel : QFrame::NoFrame);
        setVerticalScrollBarPolicy(d.hasVerticalScrollbar ? Qt::ScrollBarAlwaysOn
                                                          : Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(d.hasHorizontalScrollbar ? Qt::ScrollBarAsNeeded
                                                              : Qt::ScrollBarAlwaysOff);
        // Without a horizontal scroll bar long lines wrap at the area's width.
        setLineWrapMode(d.hasHorizontalScrollbar ? QTextEdit::NoWrap : QTextEdit::WidgetWidth);
        setTabChangesFocus(!d.allowTabs);
        SetColors(this, {{QPalette::Text, d.textColor}, {QPalette::Base, d.backgroundColor}});
        setAttribute(Qt::WA_MacShowFocusRect, d.allowFocusRing);
    }

  protected:
    // Every paste and drop comes here. A paste of nothing (an empty clipboard
    // or selection) inserts nothing. Without styled text only the plain text
    // arrives; Qt itself would still take Markdown styled. Qt's own reading is
    // never used: it fails on data without formats and reads Markdown into a
    // document that opens the files its HTML names.
    void insertFromMimeData(const QMimeData* source) override {
        if (isReadOnly() || source == nullptr || source->formats().isEmpty()) {
            return;
        }
        if (acceptRichText()) {
            QTextCursor cursor = textCursor();
            cursor.insertFragment(detail::StyledPaste(*source, *document()));
            setTextCursor(cursor);
        } else if (source->hasText()) {
            insertPlainText(source->text());
        }
        ensureCursorVisible();
    }
};

std::string FromQString(const QString& text) {
    return text.toStdString();
}

// A text area's lines end with a carriage return; the widget's with a newline.
QString AreaText(std::string text) {
    std::replace(text.begin(), text.end(), '\r', '\n');
    return ToQString(text);
}

}  // namespace

// ---- GroupBox

const ClassRecord& GroupBox::StaticClass() {
    static const ClassRecord& record = RuntimeClassRecord(
        "GroupBox", &RectControl::StaticClass(), [](ClassRecord& r) { Declare(r, {"Caption"}); });
    return record;
}

QWidget* GroupBox::_CreateWidget(QWidget* parent) {
    return new GroupBoxWidget(parent);
}

// ---- TextField

const ClassRecord& TextField::StaticClass() {
    static const ClassRecord& record =
        RuntimeClassRecord("TextField", &RectControl::StaticClass(), [](ClassRecord& r) {
            Declare(r,
                    {"BackgroundColor", "HasBorder", "Format", "Password", "TextColor",
                     "AllowFocusRing", "Hint", "AllowTabs", "TextAlignment", "AllowSpellChecking",
                     "MaximumCharactersAllowed", "ValidationMask", "ReadOnly", "DataSource",
                     "DataField"},
                    {kKeyDown, kTextChange});
            r.properties.emplace("Value", PropertyType::String);
        });
    return record;
}

std::string TextField::Text() const {
    if (auto* edit = qobject_cast<QLineEdit*>(_Impl().widget.data())) {
        return FromQString(edit->text());
    }
    return _Impl().text;
}

void TextField::Text(std::string_view value) {
    Impl& d = _Impl();
    d.text = std::string(value);
    if (auto* edit = dynamic_cast<FieldWidget*>(d.widget.data())) {
        d.settingText = true;
        edit->SetText(ToQString(value));
        d.settingText = false;
        d.text = FromQString(edit->text());  // as the field holds it, within its limit
    }
    if (d.text != d.lastText) {
        d.lastText = d.text;
        RaiseEvent(*this, kTextChange.number);
    }
}

void TextField::SetProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Value") {
        Text(TextValue(value));
        return;
    }
    RectControl::SetProperty(name, value);
}

QWidget* TextField::_CreateWidget(QWidget* parent) {
    std::weak_ptr<Object> weak = weak_from_this();
    auto* edit = new FieldWidget(parent, weak);
    Impl& d = _Impl();
    d.settingText = true;
    edit->SetText(ToQString(d.text));
    d.settingText = false;
    // Typing, pasting, undo: every change the user makes raises TextChange.
    QObject::connect(edit, &QLineEdit::textChanged, edit, [weak](const QString& text) {
        auto self = std::dynamic_pointer_cast<TextField>(weak.lock());
        if (!self || self->_Impl().settingText) {
            return;
        }
        Impl& state = self->_Impl();
        state.text = FromQString(text);
        if (state.text == state.lastText) {
            return;
        }
        state.lastText = state.text;
        detail::DispatchEvent(weak, TextField::kTextChange.number, {});
    });
    return edit;
}

// ---- Label

const ClassRecord& Label::StaticClass() {
    static const ClassRecord& record =
        RuntimeClassRecord("Label", &RectControl::StaticClass(), [](ClassRecord& r) {
            Declare(r, {"Multiline", "Selectable", "TextAlignment", "TextColor", "DataSource",
                        "DataField"});
            r.properties.emplace("Value", PropertyType::String);
        });
    return record;
}

std::string Label::Text() const {
    return _Impl().text;
}

void Label::SetProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Value") {
        _Impl().text = TextValue(value);
        return;
    }
    RectControl::SetProperty(name, value);
}

QWidget* Label::_CreateWidget(QWidget* parent) {
    return new LabelWidget(parent);
}

// ---- RadioButton

const ClassRecord& RadioButton::StaticClass() {
    static const ClassRecord& record =
        RuntimeClassRecord("RadioButton", &RectControl::StaticClass(), [](ClassRecord& r) {
            Declare(r, {"Caption"}, {kAction});
            r.properties.emplace("Value", PropertyType::Boolean);
        });
    return record;
}

bool RadioButton::Value() const {
    if (auto* button = qobject_cast<QRadioButton*>(_Impl().widget.data())) {
        return button->isChecked();
    }
    return _Impl().radioValue;
}

void RadioButton::Value(bool value) {
    Impl& d = _Impl();
    d.radioValue = value;
    auto* button = qobject_cast<QRadioButton*>(d.widget.data());
    if (button == nullptr || button->isChecked() == value) {
        return;
    }
    if (value) {
        button->setChecked(true);  // its siblings in the group box go off
        return;
    }
    // An exclusive group keeps its checked button; only code may clear it.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(exclusive);
}

void RadioButton::SetProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Value") {
        const bool* on = std::get_if<bool>(&value);
        if (on == nullptr) {
            throw PropertyTableException("property Value of RadioButton is a Boolean");
        }
        Value(*on);
        return;
    }
    RectControl::SetProperty(name, value);
}

QWidget* RadioButton::_CreateWidget(QWidget* parent) {
    auto* button = new RadioWidget(parent);
    button->setChecked(_Impl().radioValue);
    // clicked comes from the user only (mouse, space, arrows in the group), never from setChecked.
    std::weak_ptr<Object> weak = weak_from_this();
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [weak] { RadioWidget::Clicked(weak); });
    return button;
}

// ---- PushButton

const ClassRecord& PushButton::StaticClass() {
    static const ClassRecord& record =
        RuntimeClassRecord("PushButton", &RectControl::StaticClass(), [](ClassRecord& r) {
            Declare(r, {"MacButtonStyle", "Cancel", "Caption", "Default"}, {kAction});
        });
    return record;
}

QWidget* PushButton::_CreateWidget(QWidget* parent) {
    auto* button = new ButtonWidget(parent);
    std::weak_ptr<Object> weak = weak_from_this();
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [weak] { detail::DispatchEvent(weak, PushButton::kAction.number, {}); });
    return button;
}

// ---- Canvas

const ClassRecord& Canvas::StaticClass() {
    static const ClassRecord& record =
        RuntimeClassRecord("Canvas", &RectControl::StaticClass(), [](ClassRecord& r) {
            Declare(r, {"AllowFocusRing", "AllowFocus", "AllowTabs", "DoubleBuffer"}, {kMouseDown});
        });
    return record;
}

Ref<Picture> Canvas::Backdrop() const {
    return _Impl().backdrop;
}

void Canvas::Backdrop(const Ref<Picture>& picture) {
    Impl& d = _Impl();
    d.backdrop = picture;
    if (auto* canvas = dynamic_cast<CanvasWidget*>(d.widget.data())) {
        canvas->Apply(d);
    }
}

QWidget* Canvas::_CreateWidget(QWidget* parent) {
    return new CanvasWidget(parent, weak_from_this());
}

// ---- Separator

const ClassRecord& Separator::StaticClass() {
    static const ClassRecord& record = RuntimeClassRecord("Separator", &RectControl::StaticClass());
    return record;
}

QWidget* Separator::_CreateWidget(QWidget* parent) {
    return new SeparatorWidget(parent);
}

// ---- TextArea

const ClassRecord& TextArea::StaticClass() {
    static const ClassRecord& record =
        RuntimeClassRecord("TextArea", &RectControl::StaticClass(), [](ClassRecord& r) {
            Declare(r, {"DataField",
                        "DataSource",
                        "ReadOnly",
                        "TextColor",
                        "Multiline",
                        "LineSpacing",
                        "LineHeight",
                        "HideSelection",
                        "Format",
                        "BackgroundColor",
                        "HasBorder",
                        "HasHorizontalScrollbar",
                        "HasVerticalScrollbar",
                        "AllowStyledText",
                        "AllowFocusRing",
                        "AllowTabs",
                        "TextAlignment",
                        "AllowSpellChecking",
                        "MaximumCharactersAllowed",
                        "ValidationMask"});
            r.properties.emplace("Value", PropertyType::String);
        });
    return record;
}

// The area holds lines; its text separates them with carriage returns (13).
std::string TextArea::Text() const {
    if (auto* area = qobject_cast<QTextEdit*>(_Impl().widget.data())) {
        std::string text = FromQString(area->toPlainText());
        std::replace(text.begin(), text.end(), '\n', '\r');
        return text;
    }
    return _Impl().text;
}

void TextArea::SetProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Value") {
        Impl& d = _Impl();
        d.text = TextValue(value);
        if (auto* area = qobject_cast<QTextEdit*>(d.widget.data())) {
            area->setPlainText(AreaText(d.text));
        }
        return;
    }
    RectControl::SetProperty(name, value);
}

QWidget* TextArea::_CreateWidget(QWidget* parent) {
    auto* area = new AreaWidget(parent);
    area->setPlainText(AreaText(_Impl().text));
    return area;
}

}  // namespace fw
