// The calculator window driven as a person drives it: what it shows when it
// opens, choosing a test, typing and pasting, Calculate and Clear, About and the
// Information window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QTextEdit>
#include <QWidget>
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/Text.h"
#include "prob/ProbModule.h"
#include "tests/app/CalculatorScreen.h"
#include "tests/support/Gui.h"
#include "windows/MainWnd.h"
#include "windows/Qwindow.h"
#include "windows/SplashWnd.h"

namespace {

using Messages = std::vector<std::string>;

// The first case sees the window as it opened; every later one starts from Clear.
class Calculator : public CalculatorScreen {
  protected:
    static void SetUpTestSuite() {
        MainWnd();
        testsupport::Wait(50);
    }

    static std::string Shows(double p) { return fw::Format(p, ".0000"); }
    QWidget* Focus() const { return testsupport::WindowWidget(*w)->focusWidget(); }
    // Tab to the radio button, then Space.
    void Choose(const char* radio) const {
        Widget(radio)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Widget(radio), Qt::Key_Space);
    }
    void Press(const char* button) const { QTest::mouseClick(Widget(button), Qt::LeftButton); }
    Messages Calculate() const {
        return testsupport::DismissMessageBoxes([this] { Press("CalcBtn"); });
    }
    // Each entry typed key by key; what the key filter refuses is pasted instead, as a
    // person could. An empty entry leaves its field as it is.
    void Fill(const char* test, const std::string& df1, const std::string& df2,
              const std::string& value) const {
        if (*test != '\0') {
            Choose(test);
        }
        for (const auto& [field, text] :
             {std::pair{"df1Edit", df1}, {"df2Edit", df2}, {"zEdit", value}}) {
            QTest::keyClicks(Field(field), QString::fromStdString(text));
            if (!text.empty() && Text(field) != text) {
                QApplication::clipboard()->setText(QString::fromStdString(text));
                QTest::keyClick(Field(field), Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(Field(field), Qt::Key_V, Qt::ControlModifier);
            }
            ASSERT_TRUE(text.empty() || Text(field) == text) << text << " is not in " << field;
        }
    }
};

TEST_F(Calculator, OpensWithOnlyTheTestChoiceAndItsButtons) {
    EXPECT_EQ(testsupport::WindowWidget(*w)->windowTitle(), "Quenvale");
    EXPECT_EQ(Seen({"Canvas3", "Canvas1", "Separator1", "testBox", "ZBtn", "TBtn", "FBtn", "XBtn",
                    "CalcBtn", "Canvas2", "ClearBtn"}),
              "Canvas3 Canvas1 Separator1 Test Statistic Z t F Chi-Square Calculate Canvas2 Clear");
    EXPECT_TRUE(Widget("Label1")->isVisible());
    EXPECT_EQ(Seen(), kScreenOf[0]);
    EXPECT_EQ(w->btn, 0);
    EXPECT_FALSE(SplashWnd()->Visible()) << "opening hides the splash window";
}

TEST_F(Calculator, ChoosingATestShowsItsFieldsEmptyAndFocusesTheFirst) {
    struct Case {
        const char* before[4];  // a test and its entries, calculated when it has a value
        int64_t test;
        const char* hiddenResult;  // what stays in the hidden result field
    };
    const Case cases[] = {
        // F empties the result field; emptying the value field hides it with "p".
        {{"ZBtn", "", "", "1"}, 3, ""},
        // The others hide the result and leave its text in the hidden field.
        {{"ZBtn", "", "", "1"}, 2, ".3173"},
        {{"FBtn", "3", "5", ""}, 2, ""},
        {{"FBtn", "3", "5", ""}, 1, ""},
        {{"TBtn", "10", "", ""}, 4, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(kTests[c.test]) + " after " + c.before[0]);
        Press("ClearBtn");
        Fill(c.before[0], c.before[1], c.before[2], c.before[3]);
        if (*c.before[3] != '\0') {
            ASSERT_EQ(Calculate(), Messages{});
        }

        Choose(kTests[c.test]);

        EXPECT_EQ(w->btn, c.test);
        EXPECT_EQ(Seen(), kScreenOf[c.test]);
        EXPECT_EQ(Text("df2Edit"), "") << "hidden fields are emptied too";
        EXPECT_EQ(Text("pEdit"), c.hiddenResult);
        EXPECT_EQ(Focus(), Widget(c.test == 1 ? "zEdit" : "df1Edit"));
    }
}

TEST_F(Calculator, EachFieldTakesItsKeysAndBeepsAtTheRest) {
    // What a degrees-of-freedom field and the value field hold after the key
    // is typed behind "12"; nullptr: refused with a beep.
    struct Key {
        Qt::Key key;
        const char *df, *value;
    };
    const Key keys[] = {
        {Qt::Key_0, "120", "120"},          {Qt::Key_9, "129", "129"},
        {Qt::Key_Minus, nullptr, "12-"},    {Qt::Key_Period, nullptr, "12."},
        {Qt::Key_Slash, nullptr, "12/"},    {Qt::Key_Backspace, "1", "1"},
        {Qt::Key_Tab, "12", "12"},          {Qt::Key_Colon, nullptr, nullptr},
        {Qt::Key_Comma, nullptr, nullptr},  {Qt::Key_Plus, nullptr, nullptr},
        {Qt::Key_E, nullptr, nullptr},      {Qt::Key_Space, nullptr, nullptr},
        {Qt::Key_Return, nullptr, nullptr}, {Qt::Key_Escape, nullptr, nullptr},
        {Qt::Key_Left, nullptr, nullptr},   {Qt::Key_Delete, nullptr, nullptr},
    };
    // The read-only result field takes no key, yet beeps at what the value field refuses.
    Fill("ZBtn", "", "", "1");
    ASSERT_EQ(Calculate(), Messages{});
    for (const char* field : {"pEdit", "df1Edit", "df2Edit", "zEdit"}) {
        if (std::string(field) == "df1Edit") {
            Choose("FBtn");
        }
        for (const Key& k : keys) {
            SCOPED_TRACE(std::string(field) + " key " +
                         QKeySequence(k.key).toString().toStdString());
            const std::string before = field[0] == 'p' ? ".3173" : "12";
            Field(field)->setText(QString::fromStdString(before));
            Field(field)->setFocus();
            const char* after = field[0] == 'd' ? k.df : k.value;
            const uint64_t beeps = testsupport::BeepCount();
            QTest::keyClick(Field(field), k.key);
            EXPECT_EQ(Text(field), after == nullptr || field[0] == 'p' ? before : after);
            EXPECT_EQ(testsupport::BeepCount() - beeps, after == nullptr ? 1u : 0u);
        }
    }
}

// Each press of Calculate after Clear; then Clear again, back to no test.
TEST_F(Calculator, CalculateShowsTheFirstFailedChecksMessageOrTheResultClearForgetsIt) {
    struct Case {
        const char *test, *df1, *df2, *value;
        std::string outcome;  // a message, or the result text of the one call the press makes
    };
    const Case cases[] = {
        {"", "", "", "", kNoTest},
        {"ZBtn", "", "", "", kEnterZ},
        {"ZBtn", "", "", "1", ".3173"},
        {"ZBtn", "", "", "-1", ".3173"},
        {"ZBtn", "", "", "-", ".9999"},
        {"ZBtn", "", "", "9", Shows(ProbModule::zprob(9))},
        {"ZBtn", "", "", "-9", Shows(ProbModule::zprob(-9))},
        {"ZBtn", "", "", "9.01", kZRange},
        {"ZBtn", "", "", "-9.5", kZRange},
        {"ZBtn", "", "", "1e999", kZRange},
        {"TBtn", "", "", "", kDfRange},
        {"TBtn", "0", "", "1", kDfRange},
        {"TBtn", "1", "", "1", Shows(ProbModule::tprob(1, 1))},
        {"TBtn", "9999", "", "1", Shows(ProbModule::tprob(1, 9999))},
        {"TBtn", "1e4", "", "1", kDfRange},
        {"TBtn", "1e30", "", "1", kDfRange},
        {"TBtn", "1.5", "", "2.228", Shows(ProbModule::tprob(2.228, 1))},
        {"TBtn", "0.5", "", "1", kDfRange},
        {"TBtn", "10", "", "", kEnterT},
        {"TBtn", "10", "", "-1", kTRange},
        {"TBtn", "10", "", "0", ".9999"},
        {"TBtn", "10", "", "999", Shows(ProbModule::tprob(999, 10))},
        {"TBtn", "10", "", "999.1", kTRange},
        {"TBtn", "10", "", "2.228", ".0500"},
        {"FBtn", "", "", "", kNumerator},
        {"FBtn", "3", "", "2", kDenominator},
        {"FBtn", "0", "5", "2", kNumerator},
        {"FBtn", "1e30", "5", "2", kNumerator},
        {"FBtn", "3", "0.5", "2", kDenominator},
        {"FBtn", "3", "5", "", kEnterF},
        {"FBtn", "3", "5", "0.5", kFRange},
        {"FBtn", "3", "5", "abc", kFRange},
        {"FBtn", "3", "5", "1", Shows(ProbModule::fprob(1, 3, 5))},
        {"FBtn", "3", "5", "9999", Shows(ProbModule::fprob(9999, 3, 5))},
        {"FBtn", "3", "5", "9999.01", kFRange},
        {"XBtn", "", "", "3.841", kDfRange},
        {"XBtn", "1", "", "", kEnterChi},
        {"XBtn", "1", "", "0", ".9999"},
        {"XBtn", "1", "", "9999", Shows(ProbModule::x2prob(9999, 1))},
        {"XBtn", "1", "", "-0.5", kChiRange},
        {"XBtn", "1", "", "1e999", kChiRange},
        {"XBtn", "1", "", "3.841", ".0500"},
        {"XBtn", "9999", "", "3.841", Shows(ProbModule::x2prob(3.841, 9999))},
    };

    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.test) + " df \"" + c.df1 + "\" \"" + c.df2 + "\" value \"" +
                     c.value + "\"");
        Press("ClearBtn");
        Fill(c.test, c.df1, c.df2, c.value);
        const std::string before = Seen();

        const Messages messages = Calculate();

        if (c.outcome.front() != '.') {
            EXPECT_EQ(messages, Messages{c.outcome});
            EXPECT_EQ(Seen(), before) << "a refused press changes nothing on screen";
        } else {
            EXPECT_EQ(messages, Messages{});
            const bool twoTailed = c.test == std::string("ZBtn") || c.test == std::string("TBtn");
            EXPECT_EQ(Seen(), before + " p [" + c.outcome + "]" + (twoTailed ? " two-tailed" : ""));
        }
        if (*c.test != '\0') {
            EXPECT_EQ(Focus(), Widget("zEdit")) << "Calculate puts the focus in the value field";
            Press("ClearBtn");  // the frame stays, the degrees of freedom keep their texts
            EXPECT_EQ(Seen(), kScreenOf[0] + std::string(c.test[0] == 'Z' ? "" : " frame"));
            EXPECT_EQ(
                Text("zEdit") + "|" + Text("pEdit") + "|" + Text("df1Edit") + "|" + Text("df2Edit"),
                std::string("||") + c.df1 + "|" + c.df2);
            EXPECT_EQ(w->btn, 0);
        }
    }
}

// Text from web pages and other programs, pasted or dropped into a field: the
// field holds what it shows, and the result is the one for the number shown.
TEST_F(Calculator, APastedNumberComputesAsTheFieldShowsIt) {
    using namespace std::string_view_literals;
    // kCtrlVAtStart: after a click at the field's start
    enum How { kCtrlV, kCtrlVAtStart, kShiftInsert, kMenu, kDrop, kNone };
    struct Case {
        const char *test, *df1, *value;  // typed first
        const char* field;
        std::u16string_view pasted;
        How how;
        const char* typed;  // afterwards, key by key; "\x1A" is Ctrl+Z
        std::u16string_view shows;
        std::string outcome;  // a message, or the result
    };
    const Case cases[] = {
        // what people paste from web tables and other programs
        {"ZBtn", "", "", "zEdit", u"\u00A01.96", kCtrlV, "", u"\u00A01.96", ".0500"},
        {"ZBtn", "", "", "zEdit", u"\u200E1.96", kCtrlV, "", u"1.96", ".0500"},
        {"ZBtn", "", "", "zEdit", u"\n1.96", kCtrlV, "", u"1.96", ".0500"},
        {"TBtn", "", "2", "df1Edit", u"1\u200B0", kCtrlV, "", u"10", ".0734"},
        {"ZBtn", "", "", "zEdit", u"\u202E69.1", kCtrlV, "", u"69.1", kZRange},
        {"ZBtn", "", "", "zEdit", u"1.96abc", kCtrlV, "", u"1.96abc", ".0500"},
        {"ZBtn", "", "", "zEdit", u"\uFEFF\u2066-1.96\u2069\r\n", kCtrlV, "", u"-1.96", ".0500"},
        {"ZBtn", "", "", "zEdit", u"\u3000\t1.96", kCtrlV, "", u"\u30001.96", ".0500"},
        {"ZBtn", "", "", "zEdit", u"\u200D\0\u00AD\U000E0001"sv, kCtrlV, "", u"", kEnterZ},
        {"ZBtn", "", "", "zEdit", u"\u200E1.96", kDrop, "", u"1.96", ".0500"},
        {"TBtn", "", "2", "df1Edit", u"1\u200B0", kShiftInsert, "", u"10", ".0734"},
        {"ZBtn", "", "", "zEdit", u"\u200F\u20071.96", kMenu, "", u"\u20071.96", ".0500"},
        // the length limits count what is left, and typing goes on behind the paste
        {"TBtn", "", "2", "df1Edit", u"\u200E1000\u200E", kCtrlV, "", u"1000",
         Shows(ProbModule::tprob(2, 1000))},
        {"ZBtn", "", "", "zEdit", u"\u200E-1.9599\u200E64", kCtrlV, "", u"-1.9599",
         Shows(ProbModule::zprob(-1.9599))},
        {"TBtn", "", "2", "df1Edit", u"1\u200B", kCtrlV, "0", u"10", ".0734"},
        {"TBtn", "9", "2", "df1Edit", u"\u200E1\u200B", kCtrlVAtStart, "2", u"129",
         Shows(ProbModule::tprob(2, 129))},
        {"TBtn", "1234", "2", "df1Edit", u"", kNone, "5", u"1234",
         Shows(ProbModule::tprob(2, 1234))},
        {"TBtn", "1234", "2", "df1Edit", u"", kNone, "5\x1A", u"", kDfRange},
        {"TBtn", "12", "2", "df1Edit", u"345", kCtrlV, "", u"1234",
         Shows(ProbModule::tprob(2, 1234))},
    };

    for (const Case& c : cases) {
        const QString pasted = QStringView(c.pasted).toString();  // a byte-order mark too
        SCOPED_TRACE(std::string(c.test) + " " + c.field + " " + std::to_string(c.how) + " \"" +
                     pasted.toUtf8().toPercentEncoding().toStdString() + "\" then \"" + c.typed +
                     "\"");
        Press("ClearBtn");
        Fill(c.test, c.df1, "", c.value);
        QLineEdit* field = Field(c.field);
        field->setFocus();
        QApplication::clipboard()->setText(pasted);
        if (c.how == kCtrlVAtStart) {
            QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(1, field->height() / 2));
        }
        if (c.how == kCtrlV || c.how == kCtrlVAtStart) {
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        } else if (c.how == kShiftInsert) {
            QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
        } else if (c.how == kMenu) {
            const QPoint at = field->rect().center();
            QContextMenuEvent click(QContextMenuEvent::Mouse, at, field->mapToGlobal(at));
            QApplication::sendEvent(field, &click);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            const QList<QAction*> items = menu->actions();
            const auto paste = std::find_if(items.begin(), items.end(), [](QAction* item) {
                return item->text().startsWith("&Paste");
            });
            ASSERT_NE(paste, items.end());
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(*paste).center());
        } else if (c.how == kDrop) {
            QMimeData data;
            data.setText(pasted);
            const QPointF at = field->rect().center();
            QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(field, &enter);
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(field, &drop);
        }
        for (const char* key = c.typed; *key != '\0'; ++key) {
            if (*key == '\x1A') {
                QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
            } else {
                QTest::keyClick(field, *key);
            }
        }
        EXPECT_EQ(field->text().toStdU16String(), c.shows);

        const Messages messages = Calculate();

        if (c.outcome.front() != '.') {
            EXPECT_EQ(messages, Messages{c.outcome});
        } else {
            EXPECT_EQ(messages, Messages{});
            EXPECT_EQ(Text("pEdit"), c.outcome);
        }
    }
}

// What a person finds in the bar: the menus' titles and, once a menu is opened by a
// click on its title, the items that can be chosen.
TEST_F(Calculator, MenusOfferOnlyQuitAndAbout) {
    QMenuBar* bar = testsupport::MenuBarWidget(*w);
    std::vector<std::string> menus, enabled;
    for (QAction* title : bar->actions()) {
        if (title->isVisible()) {
            menus.push_back(title->text().toStdString());
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
            for (QAction* item : title->menu()->actions()) {
                if (item->isVisible() && !item->isSeparator() && item->isEnabled()) {
                    enabled.push_back(item->text().toStdString());
                }
            }
            title->menu()->close();
        }
    }
    EXPECT_EQ(menus, (std::vector<std::string>{"File", "Edit"}));
    EXPECT_EQ(enabled, (std::vector<std::string>{"Quit", "About Quenvale"}));
}

// The Information window, opened by a click on the calculator window's small
// picture: one at a time, keeping its edits until it is closed.

// A click on the small picture, then the Information window's text area.
QTextEdit* ClickSmallPicture() {
    QTest::mouseClick(testsupport::Control(*MainWnd(), "Canvas2"), Qt::LeftButton, {},
                      QPoint(3, 3));
    testsupport::Wait(10);
    auto information = fw::_GetImplicitWindow("Qwindow.Qwindow");
    EXPECT_NE(information, nullptr);
    EXPECT_TRUE(information && testsupport::WindowWidget(*information)->isVisible());
    return information ? qobject_cast<QTextEdit*>(testsupport::Control(*information, "Qfld"))
                       : nullptr;
}

int InformationWindows() {
    const QWidgetList tops = QApplication::topLevelWidgets();
    return static_cast<int>(std::count_if(tops.begin(), tops.end(), [](QWidget* top) {
        return top->isVisible() && top->windowTitle() == "Information";
    }));
}

TEST(Information, OneWindowShowsTheTextAndKeepsItsEditsUntilClosed) {
    QTextEdit* text = ClickSmallPicture();
    ASSERT_NE(text, nullptr);
    const QString initial = text->toPlainText();
    // Fourteen lines; the fifth names the source of the normal integral without its authors.
    const QStringList lines = initial.split('\n');
    ASSERT_EQ(lines.size(), 14) << initial.toStdString();
    EXPECT_EQ(lines[0], "Quenvale");
    EXPECT_TRUE(
        lines[4].startsWith("Z probability is based on the ZKERCOOK routine from: (1989). "
                            "Algorithms for fast and precise computation"));
    EXPECT_TRUE(lines[13].endsWith("any miscalculation or misuse by the user."));

    text->setFocus();
    text->moveCursor(QTextCursor::Start);
    QTest::keyClicks(text, "Edited ");
    ASSERT_EQ(text->toPlainText(), "Edited " + initial);

    EXPECT_EQ(ClickSmallPicture(), text);
    EXPECT_EQ(text->toPlainText(), "Edited " + initial);
    EXPECT_EQ(InformationWindows(), 1);

    text->window()->close();
    testsupport::Wait(10);
    EXPECT_EQ(InformationWindows(), 0);
    QTextEdit* fresh = ClickSmallPicture();
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->toPlainText(), initial);
    EXPECT_EQ(InformationWindows(), 1);
}

// Written out here, not taken from the window's code: a changed character on any
// line, a lost line or a line feed for a carriage return is caught.
TEST(Information, TheTextIsFourteenLinesSeparatedByCarriageReturnsCharacterForCharacter) {
    const std::string expected =
        "Quenvale\r"
        "\r"
        "This program calculates the probability of Z, t, F, and Chi-square statistics.\r"
        "\r"
        "Z probability is based on the ZKERCOOK routine from: (1989). Algorithms for fast and "
        "precise computation of the normal integral. Behavior Research Methods, Instruments, & "
        "Computers, 21, 447-454.\r"
        "\r"
        "t probability is based on Algorithm 8.7, F probability on Algorithm 8.11, and "
        "Chi-square probability on Algorithm 8.9 from: Cooke, D., Craven, A. H., & Clarke, G. "
        "M. (1990). Basic statistical computing (2nd ed.). Edward Arnold.\r"
        "\r"
        "---------------------------------------"
        "---------------------------------------\r"
        "Copyright (c) 2020-2026 The Quenvale authors. All rights reserved. Quenvale may be "
        "copied and given away free of charge, unchanged and with this notice.\r"
        "\r"
        "Reference as: The Quenvale authors (2020). Quenvale [Computer software]. The Quenvale "
        "authors.\r"
        "\r"
        "Author makes no warranty, expressed or implied, respecting Quenvale, including, but "
        "not limited to, warranties of merchantability or fitness for particular purpose. "
        "Quenvale must be used with professional care. It should be applied in conjunction "
        "with professional judgment to determine the appropriateness of classifications and "
        "recommendations. The user is expected to possess the necessary professional "
        "qualifications and skills to properly use the Quenvale program. The user assumes "
        "complete responsibility for any decisions or reports based on information obtained "
        "from Quenvale. The author assumes no liability to the user nor any third party with "
        "respect to the user's activities or application of the Quenvale program nor for any "
        "damages arising out of any miscalculation or misuse by the user.";
    QTextEdit* shown = ClickSmallPicture();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(Qwindow()->Qfld()->Text(), expected);
    EXPECT_EQ(shown->toPlainText().toStdString(),
              QString::fromStdString(expected).replace('\r', '\n').toStdString());
    shown->window()->close();
    testsupport::Wait(10);
}

}  // namespace
