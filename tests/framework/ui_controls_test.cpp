// Controls on Qt: where a table puts them (also inside a group box), what it
// makes them look like, the tab order, radio groups, buttons and text areas.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>

#include "framework/ui/Picture.h"
#include "framework/ui/detail/PictureImpl.h"
#include "tests/framework/ui_probe.h"
#include "tests/support/Gui.h"

namespace {

using fw::PropertyTable;
using uitest::CloseProbes;
using uitest::MakeProbe;
using uitest::Place;
using uitest::Probe;

template <class C>
fw::Ref<C> Get(Probe& w, const std::string& name) {
    return fw::RuntimeCheckCast<C>(w._ControlByName(name));
}

PropertyTable Font(PropertyTable t, const std::string& name, float size, bool bold = false,
                   bool italic = false) {
    return t.Boolean("Bold", bold)
        .Boolean("Italic", italic)
        .String("FontName", name)
        .Boolean("Underline", false)
        .Single("FontSize", size)
        .FontUnit("FontUnit", 0);
}

class ControlsTest : public ::testing::Test {
  protected:
    void TearDown() override { CloseProbes(); }
};

// The calculator's test group and degrees-of-freedom frame.
void BuildGroups(Probe& w) {
    w.Add<fw::GroupBox>("dfBox",
                        Place(PropertyTable(), 224, 160, 106, 106, 0).String("Caption", ""));
    w.Add<fw::TextField>("df1Edit", Place(PropertyTable(), 245, 186, 62, 20, 0, "dfBox"));
    w.Add<fw::Label>("Ntext",
                     Place(PropertyTable().String("Value", "N"), 257, 171, 17, 16, 4, "dfBox"));
    w.Add<fw::GroupBox>("testBox",
                        Font(Place(PropertyTable(), 73, 146, 106, 120, 1), "System", 12, true)
                            .String("Caption", "Test Statistic"));
    const char* names[] = {"ZBtn", "TBtn", "FBtn", "XBtn"};
    const char* captions[] = {"Z", "t", "F", "Chi-Square"};
    const int64_t tops[] = {164, 188, 213, 238};
    for (int i = 0; i < 4; ++i) {
        w.Add<fw::RadioButton>(
            names[i], Place(PropertyTable(), 78, tops[i], i == 3 ? 95 : 42, 20, i, "testBox")
                          .String("Caption", captions[i])
                          .Boolean("Value", false));
    }
    w.Add<fw::TextField>("zEdit", Place(PropertyTable(), 471, 186, 62, 20, 8));
}

struct PlaceCase {
    const char* name;
    const char* box;  // the group box it sits in, or ""
    int64_t left, top, width, height;
};

class GroupPlacementTest : public ::testing::TestWithParam<PlaceCase> {
  protected:
    void TearDown() override { CloseProbes(); }
};

TEST_P(GroupPlacementTest, AControlLandsAtItsWindowPosition) {
    const PlaceCase& c = GetParam();
    auto w = MakeProbe({600, 400}, BuildGroups);
    auto control = Get<fw::RectControl>(*w, c.name);
    QWidget* widget = testsupport::Widget(*control);
    QWidget* content = testsupport::ContentWidget(*w);

    EXPECT_EQ(widget->mapTo(content, QPoint(0, 0)), QPoint(c.left, c.top));
    EXPECT_EQ(widget->size(), QSize(c.width, c.height));
    QWidget* expectedParent = *c.box ? testsupport::Widget(*Get<fw::GroupBox>(*w, c.box)) : content;
    EXPECT_EQ(widget->parentWidget(), expectedParent);
}

INSTANTIATE_TEST_SUITE_P(Calculator, GroupPlacementTest,
                         ::testing::Values(PlaceCase{"dfBox", "", 224, 160, 106, 106},
                                           PlaceCase{"df1Edit", "dfBox", 245, 186, 62, 20},
                                           PlaceCase{"Ntext", "dfBox", 257, 171, 17, 16},
                                           PlaceCase{"ZBtn", "testBox", 78, 164, 42, 20},
                                           PlaceCase{"XBtn", "testBox", 78, 238, 95, 20},
                                           PlaceCase{"zEdit", "", 471, 186, 62, 20}),
                         [](const auto& info) { return std::string(info.param.name); });

// What is drawn down a column of the window: the first and last row that are not white.
std::pair<int, int> DrawnRows(const QImage& shot, int x) {
    int first = -1, last = -1;
    for (int y = 0; y < shot.height(); ++y) {
        if (shot.pixelColor(x, y) != QColor(Qt::white)) {
            first = first < 0 ? y : first;
            last = y;
        }
    }
    return {first, last};
}

TEST_F(ControlsTest, ABoxWithoutCaptionDrawsItsFrameFromItsTopToItsBottom) {
    MakeProbe({600, 400}, BuildGroups);
    QWidget* top = uitest::ProbeWidget();
    ASSERT_NE(top, nullptr);
    // Down the middle of dfBox, clear of the controls inside it.
    EXPECT_EQ(DrawnRows(top->grab(QRect(224, 0, 106, 400)).toImage(), 53),
              std::make_pair(160, 265));
}

TEST_F(ControlsTest, TablesSetLookAndBehaviour) {
    auto w = MakeProbe({600, 400}, [](Probe& self) {
        self.Add<fw::TextField>("pEdit",
                                Font(Place(PropertyTable(), 469, 231, 62, 20, 10), "System", 12)
                                    .Color("TextColor", 0x00C80000)
                                    .Integer("TextAlignment", 2)
                                    .Integer("MaximumCharactersAllowed", 9)
                                    .Boolean("ReadOnly", true)
                                    .Boolean("Visible", false));
        self.Add<fw::TextField>("df1Edit",
                                Font(Place(PropertyTable(), 245, 186, 62, 20, 0), "courier", 12));
        self.Add<fw::Label>(
            "pText", Font(Place(PropertyTable(), 470, 211, 60, 20, 9), "System", 12, true, true)
                         .String("Value", "p")
                         .Color("TextColor", 0x00777777)
                         .Integer("TextAlignment", 3));
        self.Add<fw::PushButton>("CalcBtn",
                                 Font(Place(PropertyTable(), 50, 350, 100, 30, 2), "System", 12)
                                     .String("Caption", "Calculate")
                                     .Boolean("Default", true)
                                     .Boolean("Enabled", false));
        self.Add<fw::Separator>("Separator1", Place(PropertyTable(), 10, 79, 580, 4, 12));
    });

    auto* pEdit = qobject_cast<QLineEdit*>(testsupport::Widget(*Get<fw::TextField>(*w, "pEdit")));
    EXPECT_TRUE(pEdit->isReadOnly());
    EXPECT_EQ(pEdit->maxLength(), 9);
    EXPECT_EQ(pEdit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(pEdit->palette().color(QPalette::Text), QColor(200, 0, 0));
    EXPECT_EQ(pEdit->font().pixelSize(), 12);
    EXPECT_EQ(pEdit->font().family(), QApplication::font().family());
    EXPECT_TRUE(pEdit->isHidden());
    EXPECT_FALSE(Get<fw::TextField>(*w, "pEdit")->Visible());

    QWidget* df1 = testsupport::Widget(*Get<fw::TextField>(*w, "df1Edit"));
    EXPECT_TRUE(QFontInfo(df1->font()).fixedPitch());

    auto* pText = qobject_cast<QLabel*>(testsupport::Widget(*Get<fw::Label>(*w, "pText")));
    EXPECT_EQ(pText->text(), "p");
    EXPECT_EQ(Get<fw::Label>(*w, "pText")->Text(), "p");
    EXPECT_TRUE(pText->font().bold());
    EXPECT_TRUE(pText->font().italic());
    EXPECT_EQ(pText->palette().color(QPalette::WindowText), QColor(119, 119, 119));
    EXPECT_EQ(pText->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);

    auto calc = Get<fw::PushButton>(*w, "CalcBtn");
    auto* button = qobject_cast<QPushButton*>(testsupport::Widget(*calc));
    EXPECT_EQ(button->text(), "Calculate");
    EXPECT_FALSE(button->isEnabled());

    auto* line = qobject_cast<QFrame*>(testsupport::Widget(*Get<fw::Separator>(*w, "Separator1")));
    EXPECT_EQ(line->frameShape(), QFrame::HLine);

    // Visible and SetFocus as the handlers use them.
    auto field = Get<fw::TextField>(*w, "pEdit");
    field->Visible(true);
    EXPECT_TRUE(pEdit->isVisible());
    field->SetFocus();
    EXPECT_EQ(testsupport::WindowWidget(*w)->focusWidget(), pEdit);
}

TEST_F(ControlsTest, PropertiesAClassDoesNotDeclareAreRefused) {
    auto w = MakeProbe();
    auto field = w->Add<fw::TextField>("f", Place(PropertyTable(), 0, 0, 50, 20));
    EXPECT_THROW(fw::_SetProperties(*field, PropertyTable().String("Caption", "x")),
                 fw::PropertyTableException);
    EXPECT_THROW(field->SetProperty("Caption", std::string("x")), fw::PropertyTableException);
    EXPECT_THROW(field->SetProperty("Left", std::string("x")), fw::PropertyTableException);
    EXPECT_THROW(field->SetProperty("Value", true), fw::PropertyTableException);
    auto radio = w->Add<fw::RadioButton>("r", Place(PropertyTable(), 0, 30, 50, 20));
    EXPECT_THROW(radio->SetProperty("Value", std::string("on")), fw::PropertyTableException);
    EXPECT_EQ(testsupport::Place(*field).x(), 0);
}

TEST_F(ControlsTest, TabOrderFollowsTabIndexWithGroupBoxContentsAfterTheBox) {
    auto w = MakeProbe({400, 300}, [](Probe& self) {
        self.Add<fw::TextField>("a", Place(PropertyTable(), 10, 10, 50, 20, 3));
        self.Add<fw::GroupBox>("box", Place(PropertyTable(), 100, 100, 200, 150, 1));
        self.Add<fw::TextField>("c", Place(PropertyTable(), 110, 130, 50, 20, 1, "box"));
        self.Add<fw::TextField>("d", Place(PropertyTable(), 110, 160, 50, 20, 0, "box"));
        self.Add<fw::PushButton>("e",
                                 Place(PropertyTable().String("Caption", "E"), 10, 260, 80, 25, 4));
        self.Add<fw::TextField>("b", Place(PropertyTable(), 10, 40, 50, 20, 0));
        self.Add<fw::TextField>(
            "off", Place(PropertyTable().Boolean("TabStop", false), 10, 70, 50, 20, 2));
    });
    QWidget* top = testsupport::WindowWidget(*w);
    QApplication::setActiveWindow(top);
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));

    auto widgetOf = [&](const char* name) {
        return testsupport::Widget(*Get<fw::RectControl>(*w, name));
    };
    Get<fw::RectControl>(*w, "b")->SetFocus();
    std::vector<std::string> order;
    for (int i = 0; i < 6; ++i) {
        QWidget* focus = QApplication::focusWidget();
        for (const char* name : {"a", "b", "c", "d", "e", "off"}) {
            if (focus == widgetOf(name)) {
                order.push_back(name);
            }
        }
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"b", "d", "c", "a", "e", "b"}));
}

TEST_F(ControlsTest, RadioButtonsOfAGroupAreExclusiveAndOnlyTheUserRaisesAction) {
    struct Target : public fw::Object {
        std::vector<std::string> actions;
        void Action(fw::Ref<fw::RadioButton> sender) { actions.push_back(sender->Name()); }
    };
    auto target = std::make_shared<Target>();
    auto w = MakeProbe({600, 400}, [&](Probe& self) {
        BuildGroups(self);
        for (const char* name : {"ZBtn", "TBtn", "FBtn", "XBtn"}) {
            fw::RuntimeAddEventHandler(
                Get<fw::RadioButton>(self, name), 15,
                fw::RuntimeCreateDelegate(&Target::Action, target, "( RadioButton )", 1));
        }
    });
    auto z = Get<fw::RadioButton>(*w, "ZBtn");
    auto t = Get<fw::RadioButton>(*w, "TBtn");
    auto f = Get<fw::RadioButton>(*w, "FBtn");
    auto x = Get<fw::RadioButton>(*w, "XBtn");
    auto values = [&] { return std::vector<bool>{z->Value(), t->Value(), f->Value(), x->Value()}; };
    EXPECT_EQ(values(), (std::vector<bool>{false, false, false, false}));

    QTest::mouseClick(testsupport::Widget(*z), Qt::LeftButton);
    QTest::mouseClick(testsupport::Widget(*t), Qt::LeftButton);
    EXPECT_EQ(values(), (std::vector<bool>{false, true, false, false}));

    t->Value(false);  // as Clear does
    EXPECT_EQ(values(), (std::vector<bool>{false, false, false, false}));
    f->Value(true);
    EXPECT_EQ(values(), (std::vector<bool>{false, false, true, false}));

    // Arrow keys move within the group from the focused, selected button.
    QWidget* top = testsupport::WindowWidget(*w);
    QApplication::setActiveWindow(top);
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    f->SetFocus();
    QTest::keyClick(testsupport::Widget(*f), Qt::Key_Down);
    EXPECT_EQ(values(), (std::vector<bool>{false, false, false, true}));
    EXPECT_EQ(target->actions, (std::vector<std::string>{"ZBtn", "TBtn", "XBtn"}));
    EXPECT_EQ(qobject_cast<QRadioButton*>(testsupport::Widget(*x))->text(), "Chi-Square");
}

TEST_F(ControlsTest, PushButtonActionOnClickAndKeyboard) {
    struct Target : public fw::Object {
        int actions = 0;
        void Action(fw::Ref<fw::PushButton>) { ++actions; }
    };
    auto target = std::make_shared<Target>();
    fw::Ref<fw::PushButton> button;
    auto w = MakeProbe({}, [&](Probe& self) {
        button = self.Add<fw::PushButton>(
            "ClearBtn", Place(PropertyTable().String("Caption", "Clear"), 10, 10, 100, 30));
        fw::RuntimeAddEventHandler(
            button, 15, fw::RuntimeCreateDelegate(&Target::Action, target, "( PushButton )", 1));
    });
    QTest::mouseClick(testsupport::Widget(*button), Qt::LeftButton);
    QTest::keyClick(testsupport::Widget(*button), Qt::Key_Space);
    EXPECT_EQ(target->actions, 2);
}

TEST_F(ControlsTest, CanvasDrawsItsBackdropAtTopLeftUnscaled) {
    fw::Ref<fw::Canvas> canvas;
    auto w = MakeProbe({}, [&](Probe& self) {
        canvas = self.Add<fw::Canvas>("Canvas2", Place(PropertyTable(), 20, 20, 30, 32));
    });
    auto picture = std::make_shared<fw::Picture>();
    QPixmap red(10, 8);
    red.fill(Qt::red);
    picture->_Impl().pixmap = red;
    canvas->Backdrop(picture);
    EXPECT_EQ(canvas->Backdrop(), picture);

    QWidget* content = testsupport::ContentWidget(*w);
    const QImage shot = content->grab().toImage();
    EXPECT_EQ(shot.pixelColor(20, 20), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(29, 27), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(31, 20), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(20, 29), QColor(Qt::white));

    canvas->Backdrop(nullptr);
    EXPECT_EQ(content->grab().toImage().pixelColor(20, 20), QColor(Qt::white));
}

struct FocusRingCase {
    const char* name;
    bool area;  // a TextArea, else a TextField
    bool allowFocusRing;
};

class FocusRingTest : public ::testing::TestWithParam<FocusRingCase> {
  protected:
    void TearDown() override { CloseProbes(); }
};

TEST_P(FocusRingTest, AClickDrawsAFocusFrameOnlyWhereTheTableAllowsIt) {
    const FocusRingCase& c = GetParam();
    MakeProbe({200, 120}, [&](Probe& self) {
        const PropertyTable clicked =
            Place(PropertyTable().Boolean("AllowFocusRing", c.allowFocusRing), 20, 20, 100, 40);
        if (c.area) {
            self.Add<fw::TextArea>("clicked", clicked);
        } else {
            self.Add<fw::TextField>("clicked", clicked);
        }
        self.Add<fw::TextField>("other", Place(PropertyTable(), 20, 80, 62, 20, 1));
    });
    QWidget* top = uitest::ProbeWidget();
    ASSERT_NE(top, nullptr);
    QApplication::setActiveWindow(top);
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    QWidget* other = top->childAt(30, 90);
    other->setFocus();
    // The top edge of the clicked control's frame, where styles draw the focus frame.
    auto edge = [top] { return top->grab(QRect(20, 20, 100, 2)).toImage(); };
    const QImage unfocused = edge();

    QTest::mouseClick(top->childAt(60, 40), Qt::LeftButton);
    ASSERT_NE(QApplication::focusWidget(), other);
    EXPECT_EQ(edge() != unfocused, c.allowFocusRing);
}

INSTANTIATE_TEST_SUITE_P(Controls, FocusRingTest,
                         ::testing::Values(FocusRingCase{"Field", false, true},
                                           FocusRingCase{"FieldWithout", false, false},
                                           FocusRingCase{"AreaWithout", true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

struct AreaCase {
    const char* name;
    std::string value;
    std::string text;  // what Text gives back
    int lines;
};

class TextAreaTest : public ::testing::TestWithParam<AreaCase> {
  protected:
    void TearDown() override { CloseProbes(); }
};

TEST_P(TextAreaTest, CarriageReturnsSeparateLines) {
    const AreaCase& c = GetParam();
    fw::Ref<fw::TextArea> area;
    auto w = MakeProbe({475, 400}, [&](Probe& self) {
        area = self.Add<fw::TextArea>("Qfld", Place(PropertyTable(), -1, -1, 476, 398)
                                                  .Boolean("ReadOnly", false)
                                                  .Boolean("Multiline", true)
                                                  .Double("LineSpacing", 1.0)
                                                  .Double("LineHeight", 0.0)
                                                  .Boolean("HasHorizontalScrollbar", false)
                                                  .Boolean("HasVerticalScrollbar", true)
                                                  .Boolean("AllowSpellChecking", false)
                                                  .Integer("MaximumCharactersAllowed", 0)
                                                  .String("Value", c.value));
    });
    auto* edit = qobject_cast<QPlainTextEdit*>(testsupport::Widget(*area));
    EXPECT_EQ(edit->blockCount(), c.lines);
    EXPECT_EQ(area->Text(), c.text);
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(edit->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(edit->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

INSTANTIATE_TEST_SUITE_P(Texts, TextAreaTest,
                         ::testing::Values(AreaCase{"OneLine", "Quenvale", "Quenvale", 1},
                                           AreaCase{"EmptyLines", "Quenvale\r\rThis program\r\r---",
                                                    "Quenvale\r\rThis program\r\r---", 5},
                                           AreaCase{"TrailingReturn", "a\r", "a\r", 2},
                                           AreaCase{"Empty", "", "", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
