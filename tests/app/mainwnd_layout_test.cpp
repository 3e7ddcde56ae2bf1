// The calculator window as it opens: its size, its controls where a person sees
// them, their captions and colours, the bindings of their events, its menu bar.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "app/Menu.h"
#include "app/Pictures.h"
#include "framework/core/Delegate.h"
#include "tests/support/Gui.h"
#include "windows/MainWnd.h"
#include "windows/SplashWnd.h"

namespace {

using MainWndRef = fw::Ref<class MainWnd>;

QWidget* WidgetOf(const MainWndRef& w, const std::string& name) {
    return testsupport::Widget(*fw::RuntimeCheckCast<fw::RectControl>(w->_ControlByName(name)));
}

// The text a person reads on a control, whatever its kind.
std::optional<std::string> ShownText(QWidget* widget) {
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
        return box->title().toStdString();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text().toStdString();
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text().toStdString();
    }
    if (auto* field = qobject_cast<QLineEdit*>(widget)) {
        return field->text().toStdString();
    }
    return std::nullopt;
}

// A font's size as the table gave it, whether the framework set it in points or pixels.
double Size(const QFont& font) {
    return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize();
}

// Each case looks at the one window of the run, as it was opened; none changes it.
class MainWndLayout : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        MainWnd();
        testsupport::Wait(50);
    }
    MainWndRef w = MainWnd();
};

TEST_F(MainWndLayout, OneWhiteFixedWindowTitledQuenvale) {
    EXPECT_EQ(MainWnd(), w) << "a second call must not build a second window";
    EXPECT_EQ(w->Title(), "Quenvale");
    QWidget* top = testsupport::WindowWidget(*w);
    QWidget* content = testsupport::ContentWidget(*w);
    ASSERT_NE(top, nullptr);
    ASSERT_NE(content, nullptr);
    EXPECT_TRUE(top->isVisible());
    EXPECT_EQ(top->windowTitle().toStdString(), "Quenvale");
    EXPECT_EQ(content->size(), QSize(600, 400));
    EXPECT_EQ(top->minimumSize(), top->maximumSize()) << "the window must not be resizable";
    EXPECT_FALSE(top->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(top->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(top->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

    // Between the separator and the hidden degrees-of-freedom frame nothing is drawn.
    const QImage image = content->grab().toImage();
    EXPECT_EQ(image.pixelColor(300, 120), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(590, 300), QColor(Qt::white));
}

TEST_F(MainWndLayout, OpeningHidesTheSplashWindow) {
    EXPECT_FALSE(SplashWnd()->Visible());
}

struct ControlCase {
    const char* name;
    bool visible;
    int left, top, width, height;  // in the window's content area
    std::optional<std::string> text;
};

// Every control in creation order; the canvases and the separator show no text.
const ControlCase kControls[] = {
    {"dfBox", false, 224, 160, 106, 106, ""},
    {"df1Edit", false, 245, 186, 62, 20, ""},
    {"df2Edit", false, 245, 231, 62, 20, ""},
    {"df1Text", false, 281, 171, 20, 16, "df"},
    {"df2Text", false, 281, 216, 20, 16, "df"},
    {"Ntext", false, 257, 171, 17, 16, "N"},
    {"Dtext", false, 257, 216, 20, 16, "D"},
    {"testBox", true, 73, 146, 106, 120, "Test Statistic"},
    {"ZBtn", true, 78, 164, 42, 20, "Z"},
    {"TBtn", true, 78, 188, 42, 20, "t"},
    {"FBtn", true, 78, 213, 42, 20, "F"},
    {"XBtn", true, 78, 238, 95, 20, "Chi-Square"},
    {"CalcBtn", true, 50, 350, 100, 30, "Calculate"},
    {"ClearBtn", true, 450, 350, 100, 30, "Clear"},
    {"Canvas1", true, 139, 0, 416, 48, std::nullopt},
    {"Canvas2", true, 289, 346, 30, 32, std::nullopt},
    {"Canvas3", true, 10, 9, 110, 66, std::nullopt},
    {"StaticText1", false, 473, 168, 61, 20, "Value"},
    {"zEdit", false, 471, 186, 62, 20, ""},
    {"pText", false, 470, 211, 60, 20, "p"},
    {"pEdit", false, 469, 231, 62, 20, ""},
    {"TailText", false, 464, 249, 72, 20, "two-tailed"},
    {"Separator1", true, 10, 79, 580, 4, std::nullopt},
    {"Label1", true, 151, 55, 399, 20, "by The Quenvale authors"},
};

TEST_F(MainWndLayout, TwelveControlsShownTwelveHiddenEachInItsPlace) {
    QWidget* content = testsupport::ContentWidget(*w);
    int shown = 0;
    for (const ControlCase& c : kControls) {
        SCOPED_TRACE(c.name);
        QWidget* widget = WidgetOf(w, c.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->isVisible(), c.visible);
        EXPECT_EQ(widget->isHidden(), !c.visible) << "each control is hidden by its own table";
        shown += widget->isVisible() ? 1 : 0;
        EXPECT_EQ(QRect(widget->mapTo(content, QPoint(0, 0)), widget->size()),
                  QRect(c.left, c.top, c.width, c.height));
        if (c.text) {
            EXPECT_EQ(ShownText(widget), c.text);
        }
    }
    EXPECT_EQ(shown, 12);
}

TEST_F(MainWndLayout, NoTestSelectedAndEveryFieldEmpty) {
    EXPECT_EQ(w->btn, 0);
    for (const auto& radio : {w->ZBtn(), w->TBtn(), w->FBtn(), w->XBtn()}) {
        auto* button = qobject_cast<QAbstractButton*>(testsupport::Widget(*radio));
        ASSERT_NE(button, nullptr);
        EXPECT_FALSE(button->isChecked()) << button->text().toStdString();
    }
    for (const auto& field : {w->df1Edit(), w->df2Edit(), w->zEdit(), w->pEdit()}) {
        EXPECT_EQ(field->Text(), "") << field->Name();
    }
}

TEST_F(MainWndLayout, TextColoursFontsAndAlignment) {
    struct Look {
        const char* name;
        QColor colour;
        bool bold;
        bool italic;
        double points;
        Qt::Alignment horizontal;
    };
    const Look looks[] = {
        {"pEdit", QColor(200, 0, 0), false, false, 12, Qt::AlignHCenter},
        {"TailText", QColor(119, 119, 119), false, false, 11, Qt::AlignHCenter},
        {"Label1", QColor(162, 0, 2), false, false, 10, Qt::AlignHCenter},
        {"zEdit", QColor(Qt::black), false, false, 12, Qt::AlignHCenter},
        {"df1Edit", QColor(Qt::black), false, false, 12, Qt::AlignHCenter},
        {"df1Text", QColor(Qt::black), false, false, 12, Qt::AlignLeft},
        {"StaticText1", QColor(Qt::black), true, false, 12, Qt::AlignHCenter},
        {"pText", QColor(Qt::black), true, true, 12, Qt::AlignHCenter},
    };
    for (const Look& look : looks) {
        SCOPED_TRACE(look.name);
        QWidget* widget = WidgetOf(w, look.name);
        widget->ensurePolished();
        if (auto* field = qobject_cast<QLineEdit*>(widget)) {
            EXPECT_EQ(field->palette().color(QPalette::Text), look.colour);
            EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, look.horizontal);
        } else {
            auto* label = qobject_cast<QLabel*>(widget);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->palette().color(QPalette::WindowText), look.colour);
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, look.horizontal);
        }
        EXPECT_EQ(widget->font().bold(), look.bold);
        EXPECT_EQ(widget->font().italic(), look.italic);
        EXPECT_DOUBLE_EQ(Size(widget->font()), look.points);
    }
    EXPECT_TRUE(WidgetOf(w, "testBox")->font().bold());
}

TEST_F(MainWndLayout, CanvasesShowTheirPictures) {
    EXPECT_EQ(w->Canvas1()->Backdrop(), QuenvaleTitle());
    EXPECT_EQ(w->Canvas2()->Backdrop(), q36());
    EXPECT_EQ(w->Canvas3()->Backdrop(), Curve());
    EXPECT_NE(w->Canvas1()->Backdrop(), nullptr);
    EXPECT_NE(w->Canvas2()->Backdrop(), nullptr);
    EXPECT_NE(w->Canvas3()->Backdrop(), nullptr);
}

TEST_F(MainWndLayout, AccessorsReturnTheSameControlEveryTime) {
    using Accessor = std::function<fw::Ref<fw::RectControl>(class MainWnd&)>;
    // One accessor of each control class.
    const std::pair<const char*, Accessor> accessors[] = {
        {"dfBox", [](auto& m) { return m.dfBox(); }},
        {"df1Edit", [](auto& m) { return m.df1Edit(); }},
        {"TailText", [](auto& m) { return m.TailText(); }},
        {"XBtn", [](auto& m) { return m.XBtn(); }},
        {"ClearBtn", [](auto& m) { return m.ClearBtn(); }},
        {"Canvas2", [](auto& m) { return m.Canvas2(); }},
        {"Separator1", [](auto& m) { return m.Separator1(); }},
    };
    for (const auto& [name, accessor] : accessors) {
        SCOPED_TRACE(name);
        fw::Ref<fw::RectControl> first = accessor(*w);
        EXPECT_EQ(accessor(*w), first);
        EXPECT_EQ(first, w->_ControlByName(name));
    }
}

TEST_F(MainWndLayout, FourteenEventsBoundWithTheirSignatures) {
    struct BindingCase {
        const char* control;
        int event;
        const char* signature;  // nullptr: nothing bound
    };
    const BindingCase bindings[] = {
        {"df1Edit", 9, "( TextField, String ) as Boolean"},
        {"df1Edit", 21, "( TextField )"},
        {"df2Edit", 21, "( TextField )"},
        {"df2Edit", 9, "( TextField, String ) as Boolean"},
        {"ZBtn", 15, "( RadioButton )"},
        {"TBtn", 15, "( RadioButton )"},
        {"FBtn", 15, "( RadioButton )"},
        {"XBtn", 15, "( RadioButton )"},
        {"CalcBtn", 15, "( PushButton )"},
        {"ClearBtn", 15, "( PushButton )"},
        {"Canvas2", 21, "( Canvas, Integer, Integer ) as Boolean"},
        {"zEdit", 9, "( TextField, String ) as Boolean"},
        {"zEdit", 21, "( TextField )"},
        {"pEdit", 9, "( TextField, String ) as Boolean"},
        // The result field takes no text change, the other two pictures no click.
        {"pEdit", 21, nullptr},
        {"Canvas1", 21, nullptr},
        {"Canvas3", 21, nullptr},
    };
    for (const BindingCase& b : bindings) {
        SCOPED_TRACE(std::string(b.control) + " event " + std::to_string(b.event));
        fw::Ref<fw::Delegate> bound = w->_ControlByName(b.control)->BoundEvent(b.event);
        if (b.signature == nullptr) {
            EXPECT_EQ(bound, nullptr);
        } else {
            ASSERT_NE(bound, nullptr);
            EXPECT_EQ(bound->Signature(), b.signature);
        }
    }
}

TEST_F(MainWndLayout, SharesTheMenuBarAndEnablesAboutOnly) {
    EXPECT_EQ(w->MenuBar(), Menu());
    QMenuBar* bar = testsupport::MenuBarWidget(*w);
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());

    // What happens when a person opens a menu.
    QMenu* edit = testsupport::MenuAction(*w, "UntitledMenu0")->menu();
    edit->popup(QPoint(0, 0));
    edit->hide();
    QAction* about = testsupport::MenuAction(*w, "About");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->text().toStdString(), "About Quenvale");
    EXPECT_TRUE(about->isEnabled());
    for (const char* other : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"}) {
        QAction* action = testsupport::MenuAction(*w, other);
        ASSERT_NE(action, nullptr) << other;
        EXPECT_FALSE(action->isEnabled()) << other;
    }
}

TEST_F(MainWndLayout, MenuItemAccessorsFindItemsAnywhereInTheBar) {
    EXPECT_EQ(w->About(), Menu()->_Lookup("About"));
    EXPECT_EQ(w->About()->Value(), "About Quenvale");
    EXPECT_EQ(w->FileQuit(), Menu()->_Lookup("FileQuit"));
    EXPECT_EQ(w->EditCut(), Menu()->_Lookup("EditCut"));
    EXPECT_EQ(w->Apple(), Menu()->Child("Apple"));
}

TEST_F(MainWndLayout, AnswersItsSixWindowEventsOnly) {
    for (const char* event :
         {"Layout", "CreateControls", "AddMenuHandlers", "Open", "EnableMenuItems", "Close"}) {
        EXPECT_TRUE(w->IsEventImplemented(event)) << event;
    }
    for (const char* event : {"CancelClose", "KeyDown", "MouseDown"}) {
        EXPECT_FALSE(w->IsEventImplemented(event)) << event;
    }
}

}  // namespace
