// The calculator window driven as a person drives it: choosing a test, typing
// and pasting, pressing Calculate and Clear, reading the result or the message,
// the About item and the small picture.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "framework/core/Text.h"
#include "framework/ui/Dialogs.h"
#include "prob/ProbModule.h"
#include "tests/support/Gui.h"
#include "windows/MainWnd.h"
#include "windows/SplashWnd.h"

namespace {

using MainWndRef = fw::Ref<class MainWnd>;
using Messages = std::vector<std::string>;

enum class Statistic { None, Z, T, F, ChiSquare };

// What a person sees of the result.
struct Display {
    bool field = false;
    bool p = false;
    bool twoTailed = false;
    std::string text;
    bool operator==(const Display&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Display& d) {
        return out << "{result field " << (d.field ? "shown" : "hidden") << " \"" << d.text
                   << "\", p " << (d.p ? "shown" : "hidden") << ", two-tailed "
                   << (d.twoTailed ? "shown" : "hidden") << "}";
    }
};

// How a text gets into a field: typed key by key, or pasted past the key filter.
struct Entry {
    const char* text = "";
    bool paste = false;
};
constexpr Entry Typed(const char* text) {
    return {text, false};
}
constexpr Entry Pasted(const char* text) {
    return {text, true};
}
constexpr Entry kEmpty{};

// The person's side of the window.
class Person {
  public:
    MainWndRef w = MainWnd();

    QWidget* Of(const fw::Ref<fw::RectControl>& control) const {
        return testsupport::Widget(*control);
    }
    QWidget* Named(const std::string& name) const {
        return Of(fw::RuntimeCheckCast<fw::RectControl>(w->_ControlByName(name)));
    }
    QLineEdit* Field(const fw::Ref<fw::TextField>& field) const {
        return qobject_cast<QLineEdit*>(Of(field));
    }
    bool Shown(const fw::Ref<fw::RectControl>& control) const { return Of(control)->isVisible(); }
    QWidget* Focused() const { return testsupport::WindowWidget(*w)->focusWidget(); }

    fw::Ref<fw::RadioButton> Radio(Statistic test) const {
        switch (test) {
            case Statistic::Z:
                return w->ZBtn();
            case Statistic::T:
                return w->TBtn();
            case Statistic::F:
                return w->FBtn();
            default:
                return w->XBtn();
        }
    }
    bool Checked(Statistic test) const {
        return qobject_cast<QAbstractButton*>(Of(Radio(test)))->isChecked();
    }

    // A click on the round button itself, which a radio button always takes.
    void Choose(Statistic test) const {
        auto* button = qobject_cast<QAbstractButton*>(Of(Radio(test)));
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect mark =
            button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
        QTest::mouseClick(button, Qt::LeftButton, {},
                          mark.isValid() ? mark.center() : QPoint(6, button->height() / 2));
    }
    void Press(const fw::Ref<fw::PushButton>& button) const {
        QTest::mouseClick(Of(button), Qt::LeftButton);
    }
    Messages Calculate() const {
        return testsupport::DismissMessageBoxes([this] { Press(w->CalcBtn()); });
    }
    void Clear() const { Press(w->ClearBtn()); }

    void Type(const fw::Ref<fw::TextField>& field, const std::string& keys) const {
        QTest::keyClicks(Field(field), QString::fromStdString(keys));
    }
    void Key(const fw::Ref<fw::TextField>& field, Qt::Key key) const {
        QTest::keyClick(Field(field), key);
    }
    void Paste(const fw::Ref<fw::TextField>& field, const std::string& text) const {
        QApplication::clipboard()->setText(QString::fromStdString(text));
        QTest::keyClick(Field(field), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Field(field), Qt::Key_V, Qt::ControlModifier);
    }
    void Enter(const fw::Ref<fw::TextField>& field, const Entry& entry) const {
        if (*entry.text == '\0') {
            return;
        }
        if (entry.paste) {
            Paste(field, entry.text);
        } else {
            Type(field, entry.text);
        }
        ASSERT_EQ(field->Text(), entry.text) << "the text did not get into " << field->Name();
    }

    // Chooses the test and fills in what it needs.
    void Fill(Statistic test, const Entry& df1, const Entry& df2, const Entry& value) const {
        if (test != Statistic::None) {
            Choose(test);
        }
        Enter(w->df1Edit(), df1);
        Enter(w->df2Edit(), df2);
        Enter(w->zEdit(), value);
    }

    Display Result() const {
        return {Shown(w->pEdit()), Shown(w->pText()), Shown(w->TailText()), w->pEdit()->Text()};
    }
};

// Every case starts in the no-test state that Clear leaves.
class MainWndRoad : public testing::Test, public Person {
  protected:
    static void SetUpTestSuite() {
        MainWnd();
        testsupport::Wait(50);
    }
    void SetUp() override { Clear(); }
};

// ---------------------------------------------------------------- choosing a test

enum class Before { Nothing, ZResult, FEntry, TEntry };

struct SelectionCase {
    const char* name;
    Before before;
    Statistic test;
    std::vector<std::string> shown;  // of the controls a selection arranges
    const char* resultText;
    const char* focus;
};

void PrintTo(const SelectionCase& c, std::ostream* out) {
    *out << c.name;
}

const std::vector<std::string> kArranged = {"StaticText1", "zEdit",    "dfBox",   "df1Text",
                                            "df1Edit",     "df2Text",  "df2Edit", "Ntext",
                                            "Dtext",       "TailText", "pText",   "pEdit"};
const std::vector<std::string> kZShown = {"StaticText1", "zEdit"};
const std::vector<std::string> kOneDfShown = {"StaticText1", "zEdit", "dfBox", "df1Text",
                                              "df1Edit"};
const std::vector<std::string> kTwoDfShown = {
    "StaticText1", "zEdit", "dfBox", "df1Text", "df1Edit", "df2Text", "df2Edit", "Ntext", "Dtext"};

const SelectionCase kSelections[] = {
    {"ZFirst", Before::Nothing, Statistic::Z, kZShown, "", "zEdit"},
    {"TFirst", Before::Nothing, Statistic::T, kOneDfShown, "", "df1Edit"},
    {"FFirst", Before::Nothing, Statistic::F, kTwoDfShown, "", "df1Edit"},
    {"ChiSquareFirst", Before::Nothing, Statistic::ChiSquare, kOneDfShown, "", "df1Edit"},
    // F empties the result field; emptying the value field takes "p" and the field away.
    {"FAfterZResult", Before::ZResult, Statistic::F, kTwoDfShown, "", "df1Edit"},
    // The others hide the result and leave its text in the hidden field.
    {"TAfterZResult", Before::ZResult, Statistic::T, kOneDfShown, ".3173", "df1Edit"},
    {"TAfterF", Before::FEntry, Statistic::T, kOneDfShown, "", "df1Edit"},
    {"ZAfterF", Before::FEntry, Statistic::Z, kZShown, "", "zEdit"},
    {"ChiSquareAfterT", Before::TEntry, Statistic::ChiSquare, kOneDfShown, "", "df1Edit"},
};

class MainWndSelection : public testing::TestWithParam<SelectionCase>, public Person {
  protected:
    void SetUp() override { Clear(); }
};

TEST_P(MainWndSelection, ArrangesTheFieldsTheTestNeeds) {
    const SelectionCase& c = GetParam();
    switch (c.before) {
        case Before::ZResult:
            Fill(Statistic::Z, kEmpty, kEmpty, Typed("1"));
            ASSERT_EQ(Calculate(), Messages{});
            ASSERT_EQ(Result(), (Display{true, true, true, ".3173"}));
            break;
        case Before::FEntry:
            Fill(Statistic::F, Typed("3"), Typed("5"), Typed("2"));
            break;
        case Before::TEntry:
            Fill(Statistic::T, Typed("10"), kEmpty, Typed("2"));
            break;
        case Before::Nothing:
            break;
    }

    Choose(c.test);

    EXPECT_EQ(w->btn, static_cast<int64_t>(c.test));
    for (Statistic other : {Statistic::Z, Statistic::T, Statistic::F, Statistic::ChiSquare}) {
        EXPECT_EQ(Checked(other), other == c.test) << "radio button " << static_cast<int>(other);
    }
    for (const std::string& name : kArranged) {
        const bool expected = std::find(c.shown.begin(), c.shown.end(), name) != c.shown.end();
        EXPECT_EQ(Named(name)->isVisible(), expected) << name;
    }
    EXPECT_EQ(w->df1Edit()->Text(), "");
    EXPECT_EQ(w->df2Edit()->Text(), "");
    EXPECT_EQ(w->zEdit()->Text(), "");
    EXPECT_EQ(w->pEdit()->Text(), c.resultText);
    EXPECT_EQ(Focused(), Named(c.focus)) << "the focus belongs in " << c.focus;
}

INSTANTIATE_TEST_SUITE_P(Cases, MainWndSelection, testing::ValuesIn(kSelections),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- typing

struct KeyCase {
    const char* key;
    bool inDegreesOfFreedom;
    bool inValue;
};

const KeyCase kKeys[] = {
    {"0", true, true},   {"5", true, true},   {"9", true, true},   {"-", false, true},
    {".", false, true},  {"/", false, true},  {":", false, false}, {",", false, false},
    {"+", false, false}, {"a", false, false}, {"e", false, false}, {" ", false, false},
};

TEST_F(MainWndRoad, EachFieldTakesItsKeysAndBeepsAtTheRest) {
    Choose(Statistic::F);
    const std::pair<fw::Ref<fw::TextField>, bool> fields[] = {
        {w->df1Edit(), true}, {w->df2Edit(), true}, {w->zEdit(), false}};
    for (const auto& [field, degreesOfFreedom] : fields) {
        for (const KeyCase& k : kKeys) {
            SCOPED_TRACE(field->Name() + " key \"" + k.key + "\"");
            field->Text("");
            const bool accepted = degreesOfFreedom ? k.inDegreesOfFreedom : k.inValue;
            const uint64_t beeps = testsupport::BeepCount();
            Type(field, k.key);
            EXPECT_EQ(field->Text(), accepted ? k.key : "");
            EXPECT_EQ(testsupport::BeepCount() - beeps, accepted ? 0u : 1u);
        }
    }
}

TEST_F(MainWndRoad, BackspaceAndTabPassEditingKeysBeep) {
    Choose(Statistic::F);
    for (const auto& field : {w->df1Edit(), w->df2Edit(), w->zEdit()}) {
        SCOPED_TRACE(field->Name());
        field->Text("12");
        uint64_t beeps = testsupport::BeepCount();
        field->SetFocus();
        Key(field, Qt::Key_Backspace);
        EXPECT_EQ(field->Text(), "1");
        Key(field, Qt::Key_Tab);
        EXPECT_EQ(field->Text(), "1");
        EXPECT_EQ(testsupport::BeepCount(), beeps);

        for (Qt::Key refused : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Left, Qt::Key_Delete}) {
            beeps = testsupport::BeepCount();
            Key(field, refused);
            EXPECT_EQ(field->Text(), "1") << "key " << refused;
            EXPECT_EQ(testsupport::BeepCount() - beeps, 1u) << "key " << refused;
        }
    }
}

TEST_F(MainWndRoad, FieldsStopAtTheirLengths) {
    Choose(Statistic::F);
    const uint64_t beeps = testsupport::BeepCount();
    Type(w->df1Edit(), "12345");
    Type(w->df2Edit(), "98765");
    Type(w->zEdit(), "-1.234567");
    EXPECT_EQ(w->df1Edit()->Text(), "1234");
    EXPECT_EQ(w->df2Edit()->Text(), "9876");
    EXPECT_EQ(w->zEdit()->Text(), "-1.2345");
    EXPECT_EQ(testsupport::BeepCount(), beeps)
        << "the keys past the length are the field's, not refused";
}

TEST_F(MainWndRoad, ResultFieldTakesNoTyping) {
    Fill(Statistic::Z, kEmpty, kEmpty, Typed("1"));
    ASSERT_EQ(Calculate(), Messages{});
    const struct {
        const char* key;
        bool beeps;
    } keys[] = {{"5", false}, {"/", false}, {"-", false}, {"a", true}, {":", true}};
    for (const auto& k : keys) {
        SCOPED_TRACE(k.key);
        const uint64_t beeps = testsupport::BeepCount();
        Type(w->pEdit(), k.key);
        EXPECT_EQ(testsupport::BeepCount() - beeps, k.beeps ? 1u : 0u);
        EXPECT_EQ(Result(), (Display{true, true, true, ".3173"}));
    }
}

struct EditCase {
    const char* name;
    Statistic test;
    Entry df1, df2, value;
    const char* field;
    Qt::Key key;
};

TEST_F(MainWndRoad, AnyEditOfAnInputHidesTheResult) {
    const EditCase edits[] = {
        {"t degrees of freedom", Statistic::T, Typed("10"), kEmpty, Typed("2.228"), "df1Edit",
         Qt::Key_1},
        {"F denominator", Statistic::F, Typed("3"), Typed("5"), Typed("2"), "df2Edit", Qt::Key_0},
        {"Z value deleted", Statistic::Z, kEmpty, kEmpty, Typed("1"), "zEdit", Qt::Key_Backspace},
        {"chi-square value", Statistic::ChiSquare, Typed("1"), kEmpty, Typed("3.841"), "zEdit",
         Qt::Key_1},
    };
    for (const EditCase& e : edits) {
        SCOPED_TRACE(e.name);
        Clear();
        Fill(e.test, e.df1, e.df2, e.value);
        ASSERT_EQ(Calculate(), Messages{});
        const std::string shown = w->pEdit()->Text();
        ASSERT_TRUE(Shown(w->pEdit()));
        Key(fw::RuntimeCheckCast<fw::TextField>(w->_ControlByName(e.field)), e.key);
        EXPECT_EQ(Result(), (Display{false, false, false, shown}));
    }
}

TEST_F(MainWndRoad, RefusedKeyLeavesTheResultShown) {
    Fill(Statistic::Z, kEmpty, kEmpty, Typed("1"));
    ASSERT_EQ(Calculate(), Messages{});
    Type(w->zEdit(), "a");
    EXPECT_EQ(w->zEdit()->Text(), "1");
    EXPECT_EQ(Result(), (Display{true, true, true, ".3173"}));
}

// ---------------------------------------------------------------- Calculate

constexpr const char* kNoTest = "No test statistic selected. Select Z, t, F, or Chi-Square";
constexpr const char* kZRange = "Z values should range from -9 to 9.";
constexpr const char* kDfRange = "Degrees of freedom should range from 1 to 9999.";
constexpr const char* kTRange = "t values should range from 0 to 999.";
constexpr const char* kNumerator = "Numerator degrees of freedom should range from 1 to 9999.";
constexpr const char* kDenominator = "Denominator degrees of freedom should range from 1 to 9999.";
constexpr const char* kFRange = "F values should range from 1 to 9999";
constexpr const char* kChiRange = "Chi-Square values should range from 0 to 9999.";

// One press of Calculate: a message, a known result text, or the result of the
// one call the press must make.
struct Outcome {
    const char* message = nullptr;
    const char* text = nullptr;
    double (*call)() = nullptr;
};
constexpr Outcome Says(const char* message) {
    return {message, nullptr, nullptr};
}
constexpr Outcome Shows(const char* text) {
    return {nullptr, text, nullptr};
}
constexpr Outcome ShowsResultOf(double (*call)()) {
    return {nullptr, nullptr, call};
}

struct CalcCase {
    const char* name;
    Statistic test;
    Entry df1, df2, value;
    Outcome outcome;
};

void PrintTo(const CalcCase& c, std::ostream* out) {
    *out << c.name;
}

const CalcCase kCalculations[] = {
    {"NoTest", Statistic::None, kEmpty, kEmpty, kEmpty, Says(kNoTest)},

    {"ZEmpty", Statistic::Z, kEmpty, kEmpty, kEmpty, Says("Enter a Z value.")},
    {"ZOne", Statistic::Z, kEmpty, kEmpty, Typed("1"), Shows(".3173")},
    {"ZMinusOne", Statistic::Z, kEmpty, kEmpty, Typed("-1"), Shows(".3173")},
    {"ZLoneMinus", Statistic::Z, kEmpty, kEmpty, Typed("-"), Shows(".9999")},
    {"ZLoneSlash", Statistic::Z, kEmpty, kEmpty, Typed("/"), Shows(".9999")},
    {"ZNine", Statistic::Z, kEmpty, kEmpty, Typed("9"),
     ShowsResultOf([] { return ProbModule::zprob(9); })},
    {"ZMinusNine", Statistic::Z, kEmpty, kEmpty, Typed("-9"),
     ShowsResultOf([] { return ProbModule::zprob(-9); })},
    {"ZAboveNine", Statistic::Z, kEmpty, kEmpty, Typed("9.01"), Says(kZRange)},
    {"ZBelowMinusNine", Statistic::Z, kEmpty, kEmpty, Typed("-9.5"), Says(kZRange)},
    {"ZInfinityPasted", Statistic::Z, kEmpty, kEmpty, Pasted("1e999"), Says(kZRange)},

    {"TAllEmpty", Statistic::T, kEmpty, kEmpty, kEmpty, Says(kDfRange)},
    {"TDfZero", Statistic::T, Typed("0"), kEmpty, Typed("1"), Says(kDfRange)},
    {"TDfOne", Statistic::T, Typed("1"), kEmpty, Typed("1"),
     ShowsResultOf([] { return ProbModule::tprob(1, 1); })},
    {"TDf9999", Statistic::T, Typed("9999"), kEmpty, Typed("1"),
     ShowsResultOf([] { return ProbModule::tprob(1, 9999); })},
    {"TDf10000Pasted", Statistic::T, Pasted("1e4"), kEmpty, Typed("1"), Says(kDfRange)},
    {"TDfBeyond64BitsPasted", Statistic::T, Pasted("1e30"), kEmpty, Typed("1"), Says(kDfRange)},
    {"TDfOnePointFivePasted", Statistic::T, Pasted("1.5"), kEmpty, Typed("2.228"),
     ShowsResultOf([] { return ProbModule::tprob(2.228, 1); })},
    {"TDfHalfPasted", Statistic::T, Pasted("0.5"), kEmpty, Typed("1"), Says(kDfRange)},
    {"TValueEmpty", Statistic::T, Typed("10"), kEmpty, kEmpty, Says("Enter a t value.")},
    {"TMinusOne", Statistic::T, Typed("10"), kEmpty, Typed("-1"), Says(kTRange)},
    {"TZero", Statistic::T, Typed("10"), kEmpty, Typed("0"), Shows(".9999")},
    {"T999", Statistic::T, Typed("10"), kEmpty, Typed("999"),
     ShowsResultOf([] { return ProbModule::tprob(999, 10); })},
    {"TAbove999", Statistic::T, Typed("10"), kEmpty, Typed("999.1"), Says(kTRange)},
    {"TKnown", Statistic::T, Typed("10"), kEmpty, Typed("2.228"), Shows(".0500")},

    {"FAllEmpty", Statistic::F, kEmpty, kEmpty, kEmpty, Says(kNumerator)},
    {"FDenominatorEmpty", Statistic::F, Typed("3"), kEmpty, Typed("2"), Says(kDenominator)},
    {"FNumeratorZero", Statistic::F, Typed("0"), Typed("5"), Typed("2"), Says(kNumerator)},
    {"FNumeratorBeyond64BitsPasted", Statistic::F, Pasted("1e30"), Typed("5"), Typed("2"),
     Says(kNumerator)},
    {"FDenominatorHalfPasted", Statistic::F, Typed("3"), Pasted("0.5"), Typed("2"),
     Says(kDenominator)},
    {"FValueEmpty", Statistic::F, Typed("3"), Typed("5"), kEmpty, Says("Enter an F value.")},
    {"FHalf", Statistic::F, Typed("3"), Typed("5"), Typed("0.5"), Says(kFRange)},
    {"FLettersPasted", Statistic::F, Typed("3"), Typed("5"), Pasted("abc"), Says(kFRange)},
    {"FOne", Statistic::F, Typed("3"), Typed("5"), Typed("1"),
     ShowsResultOf([] { return ProbModule::fprob(1, 3, 5); })},
    {"F9999", Statistic::F, Typed("3"), Typed("5"), Typed("9999"),
     ShowsResultOf([] { return ProbModule::fprob(9999, 3, 5); })},
    {"FAbove9999", Statistic::F, Typed("3"), Typed("5"), Typed("9999.01"), Says(kFRange)},

    {"ChiSquareDfEmpty", Statistic::ChiSquare, kEmpty, kEmpty, Typed("3.841"), Says(kDfRange)},
    {"ChiSquareValueEmpty", Statistic::ChiSquare, Typed("1"), kEmpty, kEmpty,
     Says("Enter a Chi-Square value.")},
    {"ChiSquareZero", Statistic::ChiSquare, Typed("1"), kEmpty, Typed("0"), Shows(".9999")},
    {"ChiSquare9999", Statistic::ChiSquare, Typed("1"), kEmpty, Typed("9999"),
     ShowsResultOf([] { return ProbModule::x2prob(9999, 1); })},
    {"ChiSquareMinusHalf", Statistic::ChiSquare, Typed("1"), kEmpty, Typed("-0.5"),
     Says(kChiRange)},
    {"ChiSquareInfinityPasted", Statistic::ChiSquare, Typed("1"), kEmpty, Pasted("1e999"),
     Says(kChiRange)},
    {"ChiSquareKnown", Statistic::ChiSquare, Typed("1"), kEmpty, Typed("3.841"), Shows(".0500")},
    {"ChiSquareDf9999", Statistic::ChiSquare, Typed("9999"), kEmpty, Typed("3.841"),
     ShowsResultOf([] { return ProbModule::x2prob(3.841, 9999); })},
};

class MainWndCalculate : public testing::TestWithParam<CalcCase>, public Person {
  protected:
    void SetUp() override { Clear(); }
};

TEST_P(MainWndCalculate, ShowsTheMessageOrTheResult) {
    const CalcCase& c = GetParam();
    Fill(c.test, c.df1, c.df2, c.value);
    const Display before = Result();

    const Messages messages = Calculate();

    if (c.outcome.message != nullptr) {
        EXPECT_EQ(messages, Messages{c.outcome.message});
        EXPECT_EQ(Result(), before) << "a refused press changes nothing on screen";
    } else {
        EXPECT_EQ(messages, Messages{});
        const std::string text = c.outcome.text != nullptr ? std::string(c.outcome.text)
                                                           : fw::Format(c.outcome.call(), ".0000");
        const bool twoTailed = c.test == Statistic::Z || c.test == Statistic::T;
        EXPECT_EQ(Result(), (Display{true, true, twoTailed, text}));
    }
    if (c.test != Statistic::None) {
        EXPECT_EQ(Focused(), Of(w->zEdit())) << "Calculate puts the focus in the value field";
        EXPECT_EQ(w->btn, static_cast<int64_t>(c.test));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, MainWndCalculate, testing::ValuesIn(kCalculations),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWndRoad, RefusedPressKeepsAShownResult) {
    Fill(Statistic::T, Typed("10"), kEmpty, Typed("2.228"));
    ASSERT_EQ(Calculate(), Messages{});
    // A text put in from code raises no key filter; the result goes away as for any edit.
    w->df1Edit()->Text("0");
    w->pEdit()->Visible(true);
    w->pText()->Visible(true);
    EXPECT_EQ(Calculate(), Messages{kDfRange});
    EXPECT_EQ(Result(), (Display{true, true, false, ".0500"}));
}

// ---------------------------------------------------------------- Clear

struct ClearCase {
    const char* name;
    Statistic test;
    Entry df1, df2, value;
};

TEST_F(MainWndRoad, ClearReturnsToNoTestAndKeepsTheDegreesOfFreedom) {
    const ClearCase cases[] = {
        {"Z", Statistic::Z, kEmpty, kEmpty, Typed("1")},
        {"t", Statistic::T, Typed("10"), kEmpty, Typed("2.228")},
        {"F", Statistic::F, Typed("3"), Typed("5"), Typed("2")},
        {"chi-square", Statistic::ChiSquare, Typed("1"), kEmpty, Typed("3.841")},
    };
    for (const ClearCase& c : cases) {
        SCOPED_TRACE(c.name);
        Fill(c.test, c.df1, c.df2, c.value);
        ASSERT_EQ(Calculate(), Messages{});

        Clear();

        EXPECT_EQ(w->btn, 0);
        for (Statistic test : {Statistic::Z, Statistic::T, Statistic::F, Statistic::ChiSquare}) {
            EXPECT_FALSE(Checked(test)) << static_cast<int>(test);
        }
        for (const std::string& name : kArranged) {
            if (name != "dfBox") {
                EXPECT_FALSE(Named(name)->isVisible()) << name;
            }
        }
        EXPECT_EQ(Shown(w->dfBox()), c.test != Statistic::Z) << "the frame stays as it was";
        EXPECT_EQ(w->zEdit()->Text(), "");
        EXPECT_EQ(w->pEdit()->Text(), "");
        EXPECT_EQ(w->df1Edit()->Text(), c.df1.text);
        EXPECT_EQ(w->df2Edit()->Text(), c.df2.text);
        EXPECT_EQ(Calculate(), Messages{kNoTest});
    }
}

// ---------------------------------------------------------------- About and Information

// Everything a person can see of the calculator window.
std::vector<std::string> Screen(const Person& person) {
    std::vector<std::string> seen;
    for (const char* name :
         {"dfBox",   "df1Edit",  "df2Edit", "df1Text",  "df2Text",    "Ntext",
          "Dtext",   "testBox",  "ZBtn",    "TBtn",     "FBtn",       "XBtn",
          "CalcBtn", "ClearBtn", "Canvas1", "Canvas2",  "Canvas3",    "StaticText1",
          "zEdit",   "pText",    "pEdit",   "TailText", "Separator1", "Label1"}) {
        QWidget* widget = person.Named(name);
        std::string line = std::string(name) + (widget->isVisible() ? " shown" : " hidden");
        if (auto* field = qobject_cast<QLineEdit*>(widget)) {
            line += " \"" + field->text().toStdString() + "\"";
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            line += button->isChecked() ? " checked" : "";
        }
        seen.push_back(line);
    }
    return seen;
}

TEST_F(MainWndRoad, AboutShowsTheSplashAndChangesNothingHere) {
    Fill(Statistic::T, Typed("10"), kEmpty, Typed("2.228"));
    ASSERT_EQ(Calculate(), Messages{});
    const std::vector<std::string> before = Screen(*this);
    ASSERT_FALSE(SplashWnd()->Visible());

    // Opening the Edit menu brings its items up to date; then the person chooses About.
    QMenu* edit = testsupport::MenuAction(*w, "UntitledMenu0")->menu();
    edit->popup(QPoint(0, 0));
    edit->hide();
    QAction* about = testsupport::MenuAction(*w, "About");
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(about->isEnabled());
    about->trigger();
    testsupport::Wait(10);

    EXPECT_TRUE(SplashWnd()->Visible());
    EXPECT_EQ(Screen(*this), before);
    EXPECT_EQ(w->btn, 2);
    SplashWnd()->Hide();
}

// The Information windows on screen.
int InformationWindows() {
    int count = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top->windowTitle() == "Information") {
            ++count;
        }
    }
    return count;
}

TEST_F(MainWndRoad, SmallPictureOpensOneInformationWindow) {
    ASSERT_EQ(InformationWindows(), 0);
    const std::vector<std::string> before = Screen(*this);

    QTest::mouseClick(Of(w->Canvas2()), Qt::LeftButton, {}, QPoint(3, 3));
    testsupport::Wait(10);
    fw::Ref<fw::Window> first = fw::_GetImplicitWindow("Qwindow.Qwindow");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(InformationWindows(), 1);

    QTest::mouseClick(Of(w->Canvas2()), Qt::LeftButton);
    testsupport::Wait(10);
    EXPECT_EQ(InformationWindows(), 1);
    EXPECT_EQ(fw::_GetImplicitWindow("Qwindow.Qwindow"), first);
    EXPECT_EQ(Screen(*this), before);

    first->Close();
    testsupport::Wait(10);
    EXPECT_EQ(InformationWindows(), 0);
}

}  // namespace
