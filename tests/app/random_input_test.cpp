// A long run of random input against the calculator window: keys of every kind,
// clicks anywhere on its controls, test choices, Calculate and Clear, pastes of
// odd texts. After every action the window must be in a state the calculator
// can be in, every message it shows must be one of its own, and a Calculate
// must answer what the fields hold. The run is seeded, so a failure can be
// repeated: QUENVALE_FUZZ_SEED chooses the input, QUENVALE_FUZZ_ACTIONS its length.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/core/Math.h"
#include "framework/core/Text.h"
#include "framework/ui/Dialogs.h"
#include "prob/ProbModule.h"
#include "tests/support/Gui.h"
#include "windows/MainWnd.h"

namespace {

using MainWndRef = fw::Ref<class MainWnd>;

// CI runs the same input every time; a seed from the environment explores further.
constexpr uint64_t kDefaultSeed = 20240611;
constexpr uint64_t kDefaultActions = 100000;
constexpr size_t kHistory = 20;

uint64_t FromEnvironment(const char* name, uint64_t fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') {
        return fallback;
    }
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 0);
    if (*end != '\0') {
        ADD_FAILURE() << name << " is not a number: " << text;
        return fallback;
    }
    return value;
}

// Everything the calculator itself ever says.
constexpr std::string_view kNoTest = "No test statistic selected. Select Z, t, F, or Chi-Square";
constexpr std::string_view kDfRange = "Degrees of freedom should range from 1 to 9999.";
const std::vector<std::string_view> kFixedMessages = {
    kNoTest,
    "Enter a Z value.",
    "Z values should range from -9 to 9.",
    kDfRange,
    "Enter a t value.",
    "t values should range from 0 to 999.",
    "Numerator degrees of freedom should range from 1 to 9999.",
    "Denominator degrees of freedom should range from 1 to 9999.",
    "Enter an F value.",
    "F values should range from 1 to 9999",
    "Enter a Chi-Square value.",
    "Chi-Square values should range from 0 to 9999.",
};

constexpr int64_t kZ = 1;
constexpr int64_t kT = 2;
constexpr int64_t kF = 3;
constexpr int64_t kChiSquare = 4;

// Reads every message box as it opens and clicks its OK button from the box's
// own event loop, as a person would. A box still open after a few seconds is
// recorded and closed, so that the run can report it instead of hanging.
class BoxReader final : public QObject {
  public:
    BoxReader() { QApplication::instance()->installEventFilter(this); }
    ~BoxReader() override { QApplication::instance()->removeEventFilter(this); }
    BoxReader(const BoxReader&) = delete;
    BoxReader& operator=(const BoxReader&) = delete;

    std::vector<std::string> TakeTexts() { return std::exchange(texts_, {}); }
    std::vector<std::string> TakeStuck() { return std::exchange(stuck_, {}); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show) {
            return false;
        }
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box == nullptr || !box->isWindow()) {
            return false;
        }
        std::string text = box->text().toStdString();
        texts_.push_back(text);
        QTimer::singleShot(0, box, [box] {
            QAbstractButton* ok = box->button(QMessageBox::Ok);
            if (ok == nullptr && !box->buttons().isEmpty()) {
                ok = box->buttons().front();
            }
            if (ok != nullptr) {
                QTest::mouseClick(ok, Qt::LeftButton);
            }
        });
        QTimer::singleShot(3000, box, [this, box, text] {
            stuck_.push_back(text);
            box->done(0);
        });
        return false;
    }

  private:
    std::vector<std::string> texts_;
    std::vector<std::string> stuck_;
};

// The offscreen platform remarks on every message box it cannot size or raise;
// a hundred thousand actions would bury a failure under those remarks.
QtMessageHandler previousHandler = nullptr;
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support"))) {
        if (previousHandler != nullptr) {
            previousHandler(type, context, message);
        }
    }
}

// A text for the log: quoted, control characters escaped, long ones cut short.
std::string Quote(const QString& text) {
    std::string out = "\"";
    const std::string utf8 = text.left(40).toStdString();
    for (const unsigned char c : utf8) {
        if (c < 0x20 || c == 0x7f) {
            static const char* const kHex = "0123456789abcdef";
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    out += "\"";
    if (text.size() > 40) {
        out += "... (" + std::to_string(text.size()) + " characters)";
    }
    return out;
}

struct Key {
    Qt::Key code;
    QString text;
    Qt::KeyboardModifiers modifiers;
    std::string name;
};

Key Typed(char c) {
    return {QTest::asciiToKey(c),
            QString(QChar::fromLatin1(c)),
            {},
            Quote(QString(QChar::fromLatin1(c)))};
}

Key Typed(char32_t ucs) {
    const QString text = QString::fromUcs4(&ucs, 1);
    const Qt::Key code =
        ucs < 0x10000 ? static_cast<Qt::Key>(QChar(static_cast<char16_t>(ucs)).toUpper().unicode())
                      : Qt::Key_unknown;
    return {code, text, {}, Quote(text)};
}

Key Special(Qt::Key code, const char* name, Qt::KeyboardModifiers modifiers = {},
            QString text = {}) {
    return {code, std::move(text), modifiers, name};
}

// The keys that are no text. Key_Menu is left out: it opens the field's context
// menu, a popup this run does not drive.
const std::vector<Key> kControlKeys = {
    Special(Qt::Key_Backspace, "Backspace", {}, "\b"),
    Special(Qt::Key_Tab, "Tab", {}, "\t"),
    Special(Qt::Key_Backtab, "Shift+Tab", Qt::ShiftModifier),
    Special(Qt::Key_Return, "Return", {}, "\r"),
    Special(Qt::Key_Enter, "Enter", Qt::KeypadModifier, "\r"),
    Special(Qt::Key_Escape, "Escape", {}, "\x1b"),
    Special(Qt::Key_Delete, "Delete", {}, "\x7f"),
    Special(Qt::Key_Insert, "Insert"),
    Special(Qt::Key_Left, "Left"),
    Special(Qt::Key_Right, "Right"),
    Special(Qt::Key_Up, "Up"),
    Special(Qt::Key_Down, "Down"),
    Special(Qt::Key_Home, "Home"),
    Special(Qt::Key_End, "End"),
    Special(Qt::Key_PageUp, "PageUp"),
    Special(Qt::Key_PageDown, "PageDown"),
    Special(Qt::Key_Left, "Shift+Left", Qt::ShiftModifier),
    Special(Qt::Key_Right, "Shift+Right", Qt::ShiftModifier),
    Special(Qt::Key_Home, "Shift+Home", Qt::ShiftModifier),
    Special(Qt::Key_End, "Shift+End", Qt::ShiftModifier),
    Special(Qt::Key_F1, "F1"),
    Special(Qt::Key_F2, "F2"),
    Special(Qt::Key_F5, "F5"),
    Special(Qt::Key_F10, "F10"),
    Special(Qt::Key_F12, "F12"),
    Special(Qt::Key_Space, "Space", {}, " "),
};

// Ctrl commands. Ctrl+Q is left out on purpose: it is File > Quit, and ending
// the application would end the run.
const std::vector<Key> kCommands = {
    Special(Qt::Key_A, "Ctrl+A", Qt::ControlModifier, "a"),
    Special(Qt::Key_C, "Ctrl+C", Qt::ControlModifier, "c"),
    Special(Qt::Key_V, "Ctrl+V", Qt::ControlModifier, "v"),
    Special(Qt::Key_X, "Ctrl+X", Qt::ControlModifier, "x"),
    Special(Qt::Key_Z, "Ctrl+Z", Qt::ControlModifier, "z"),
    Special(Qt::Key_Y, "Ctrl+Y", Qt::ControlModifier, "y"),
    Special(Qt::Key_Z, "Ctrl+Shift+Z", Qt::ControlModifier | Qt::ShiftModifier, "Z"),
    Special(Qt::Key_Backspace, "Ctrl+Backspace", Qt::ControlModifier),
    Special(Qt::Key_Delete, "Ctrl+Delete", Qt::ControlModifier),
    Special(Qt::Key_Left, "Ctrl+Left", Qt::ControlModifier),
    Special(Qt::Key_Right, "Ctrl+Right", Qt::ControlModifier),
    Special(Qt::Key_K, "Ctrl+K", Qt::ControlModifier, "k"),
};

const std::vector<char32_t> kNonAscii = {U'é',      U'ß',      U'€',      U'中',     U'ж',
                                         U'\u0663', U'\uff15', U'\u00a0', U'\u00b9', U'\U0001F600'};

// Texts worth pasting: bounds, numbers beyond every range, what is not a number.
const std::vector<QString> kNotableTexts = {
    "1e30",
    "1e999",
    "-1e999",
    "-",
    "abc",
    "",
    "0",
    "-0",
    "0.5",
    "1.5",
    "1",
    "9",
    "-9",
    "9.0001",
    "999",
    "999.1",
    "9999",
    "10000",
    "2.228",
    "3.841",
    "1e4",
    "1e-999",
    "4.9e-324",
    "1e308",
    "2e308",
    "nan",
    "inf",
    "-inf",
    "0x10",
    "1,5",
    " 5",
    "5 ",
    "+5",
    "--1",
    "1e",
    "1e+",
    "1.2.3",
    ".5",
    "5.",
    "/",
    "9223372036854775807",
    "9223372036854775808",
    "-9223372036854775809",
    "18446744073709551616",
    "1" + QString(400, '0'),
    QString(5000, '7'),
    QString::fromUtf8("\xef\xbc\x91\xef\xbc\x92"),  // fullwidth 1 2
    QString::fromUtf8("\xd9\xa3"),                  // Arabic-Indic 3
    QString::fromUtf8("\xc3\xa9t\xc3\xa9"),
    QString::fromUtf8("\xe4\xb8\xad\xe6\x96\x87"),
    QString::fromUtf8("\xf0\x9f\x98\x80\xf0\x9f\x98\x80\xf0\x9f\x98\x80\xf0\x9f\x98\x80"),
    "\t1",
    "1\n2",
    "\r\n",
};

// Ranges of code points that random unicode texts are drawn from.
constexpr std::array<std::pair<char32_t, char32_t>, 10> kUnicodeRanges = {{
    {0xA0, 0xFF},
    {0x300, 0x36F},  // combining marks
    {0x391, 0x3C9},
    {0x400, 0x44F},
    {0x660, 0x669},  // Arabic-Indic digits
    {0x200B, 0x200F},
    {0x2028, 0x2029},
    {0x4E00, 0x4E80},
    {0xFF10, 0xFF19},  // fullwidth digits
    {0x1F600, 0x1F64F},
}};

// What the checks compare with the state before an action.
struct Snapshot {
    int64_t btn = 0;
    std::string df1, df2, value, result;
    bool resultShown = false, pShown = false, tailShown = false;
};

// What one Calculate must do with the fields as they were: show a message or a
// result, each as the calculator's rules say, recomputed here from the texts.
struct Outcome {
    std::string message;
    std::string result;
};

Outcome Expected(const Snapshot& s) {
    struct Rule {
        std::array<std::string_view, 2> dfMessages;  // empty: that field is not read
        std::string_view emptyMessage;
        double lowest, highest;
        std::string_view rangeMessage;
    };
    static const std::array<Rule, 4> kRules = {{
        {{}, "Enter a Z value.", -9, 9, "Z values should range from -9 to 9."},
        {{kDfRange}, "Enter a t value.", 0, 999, "t values should range from 0 to 999."},
        {{"Numerator degrees of freedom should range from 1 to 9999.",
          "Denominator degrees of freedom should range from 1 to 9999."},
         "Enter an F value.",
         1,
         9999,
         "F values should range from 1 to 9999"},
        {{kDfRange},
         "Enter a Chi-Square value.",
         0,
         9999,
         "Chi-Square values should range from 0 to 9999."},
    }};
    if (s.btn < kZ || s.btn > kChiSquare) {
        return {std::string(kNoTest), ""};
    }
    const Rule& rule = kRules[static_cast<size_t>(s.btn - kZ)];
    std::array<double, 2> df{};
    for (size_t i = 0; i < 2 && !rule.dfMessages[i].empty(); ++i) {
        const int64_t whole = fw::TruncToInt64(fw::Val(i == 0 ? s.df1 : s.df2));
        if (whole < 1 || whole > 9999) {
            return {std::string(rule.dfMessages[i]), ""};
        }
        df[i] = static_cast<double>(whole);
    }
    if (s.value.empty()) {
        return {std::string(rule.emptyMessage), ""};
    }
    const double x = fw::Val(s.value);
    if (!(x >= rule.lowest && x <= rule.highest)) {
        return {std::string(rule.rangeMessage), ""};
    }
    double p = 0;
    switch (s.btn) {
        case kZ:
            p = ProbModule::zprob(x);
            break;
        case kT:
            p = ProbModule::tprob(x, df[0]);
            break;
        case kF:
            p = ProbModule::fprob(x, df[0], df[1]);
            break;
        default:
            p = ProbModule::x2prob(x, df[0]);
            break;
    }
    return {"", fw::Format(p, ".0000")};
}

// How often each thing happened, to show what a run covered.
struct Tally {
    uint64_t calculations = 0, results = 0, selections = 0, clears = 0, pastes = 0;
    uint64_t menus = 0;    // context menus opened
    uint64_t returns = 0;  // the calculator window brought back to the front
    std::map<std::string, uint64_t> messages;
    std::array<uint64_t, 5> resultsByTest{};
};

class RandomInput : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        previousHandler = qInstallMessageHandler(QuietPlatform);
        MainWnd();
        QTest::qWait(50);
    }

    static void TearDownTestSuite() { qInstallMessageHandler(previousHandler); }

    // Seeded random choices.
    std::mt19937_64 rng_;
    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool Chance(int percent) { return Uniform(0, 99) < percent; }
    template <class T>
    const T& OneOf(const std::vector<T>& items) {
        return items[static_cast<size_t>(Uniform(0, static_cast<int>(items.size()) - 1))];
    }

    // The window, found once.
    MainWndRef w_ = MainWnd();
    QWidget* top_ = nullptr;
    QWindow* handle_ = nullptr;
    std::vector<std::string> names_;
    std::vector<fw::Ref<fw::RectControl>> controls_;
    std::vector<QWidget*> widgets_;
    std::map<const QWidget*, std::string> nameOf_;
    QLineEdit *df1_ = nullptr, *df2_ = nullptr, *value_ = nullptr, *result_ = nullptr;
    std::array<QAbstractButton*, 5> radios_{};  // by test code
    QAbstractButton *calc_ = nullptr, *clear_ = nullptr;
    std::vector<QWidget*> keyTargets_;  // the fields and buttons that take keys
    bool activates_ = false;

    // What the program was told during the current action.
    int calcPresses_ = 0, clearPresses_ = 0, selections_ = 0;
    int64_t selected_ = 0;

    // The fields and result of the last Calculate that showed a result.
    std::optional<Snapshot> answered_;

    BoxReader boxes_;
    Tally tally_;

    std::map<std::string, QWidget*, std::less<>> byName_;

    QWidget* Named(std::string_view name) const { return byName_.find(name)->second; }

    void SetUp() override {
        top_ = testsupport::WindowWidget(*w_);
        ASSERT_NE(top_, nullptr);
        ASSERT_TRUE(top_->isVisible());
        handle_ = top_->windowHandle();
        ASSERT_NE(handle_, nullptr);
        for (const char* name :
             {"dfBox",   "df1Edit",  "df2Edit", "df1Text",  "df2Text",    "Ntext",
              "Dtext",   "testBox",  "ZBtn",    "TBtn",     "FBtn",       "XBtn",
              "CalcBtn", "ClearBtn", "Canvas1", "Canvas2",  "Canvas3",    "StaticText1",
              "zEdit",   "pText",    "pEdit",   "TailText", "Separator1", "Label1"}) {
            names_.emplace_back(name);
            controls_.push_back(fw::RuntimeCheckCast<fw::RectControl>(w_->_ControlByName(name)));
            widgets_.push_back(testsupport::Widget(*controls_.back()));
            ASSERT_NE(widgets_.back(), nullptr) << name;
            nameOf_[widgets_.back()] = name;
            byName_[name] = widgets_.back();
        }
        df1_ = qobject_cast<QLineEdit*>(Named("df1Edit"));
        df2_ = qobject_cast<QLineEdit*>(Named("df2Edit"));
        value_ = qobject_cast<QLineEdit*>(Named("zEdit"));
        result_ = qobject_cast<QLineEdit*>(Named("pEdit"));
        radios_ = {nullptr, qobject_cast<QAbstractButton*>(Named("ZBtn")),
                   qobject_cast<QAbstractButton*>(Named("TBtn")),
                   qobject_cast<QAbstractButton*>(Named("FBtn")),
                   qobject_cast<QAbstractButton*>(Named("XBtn"))};
        calc_ = qobject_cast<QAbstractButton*>(Named("CalcBtn"));
        clear_ = qobject_cast<QAbstractButton*>(Named("ClearBtn"));

        keyTargets_ = {df1_,       df2_,       value_,     result_, radios_[1],
                       radios_[2], radios_[3], radios_[4], calc_,   clear_};

        // Spies on what the program hears; connected after the program's own
        // handlers, so they only count. They go with the fixture's box reader.
        QObject::connect(calc_, &QAbstractButton::clicked, &boxes_, [this] { ++calcPresses_; });
        QObject::connect(clear_, &QAbstractButton::clicked, &boxes_, [this] { ++clearPresses_; });
        for (int64_t test = kZ; test <= kChiSquare; ++test) {
            QObject::connect(radios_[static_cast<size_t>(test)], &QAbstractButton::clicked, &boxes_,
                             [this, test] {
                                 ++selections_;
                                 selected_ = test;
                             });
        }
        top_->activateWindow();
        activates_ = QTest::qWaitForWindowActive(top_, 1000);
    }

    // ------------------------------------------------------------ actions

    std::string FocusName() const {
        QWidget* focus = top_->focusWidget();
        if (focus == nullptr) {
            return "nothing";
        }
        const auto found = nameOf_.find(focus);
        return found != nameOf_.end() ? found->second : focus->metaObject()->className();
    }

    Key RandomKey() {
        const int kind = Uniform(0, 99);
        if (kind < 35) {
            static const std::string kValueKeys = "0123456789-./e";
            return Typed(kValueKeys[static_cast<size_t>(Uniform(0, 13))]);
        }
        if (kind < 58) {
            Key key = Typed(static_cast<char>(Uniform(32, 126)));
            if (Chance(5)) {
                key.modifiers = Qt::AltModifier;
                key.name = "Alt+" + key.name;
            }
            return key;
        }
        if (kind < 64) {
            return Typed(OneOf(kNonAscii));
        }
        if (kind < 92) {
            return OneOf(kControlKeys);
        }
        return OneOf(kCommands);
    }

    // A key to whatever has the focus in the calculator window.
    std::string KeyToFocus(const Key& key) {
        std::string what =
            "key " + key.name +
            (QApplication::activePopupWidget() != nullptr ? std::string(" to the open context menu")
                                                          : " to the focus (" + FocusName() + ")");
        QTest::sendKeyEvent(QTest::Click, handle_, key.code, key.text, key.modifiers);
        return what;
    }

    // A key straight to one of the fields or buttons; only those on screen, as
    // a person cannot reach the others.
    std::string KeyToControl(const Key& key) {
        std::vector<QWidget*> targets;
        for (QWidget* widget : keyTargets_) {
            if (widget->isVisible()) {
                targets.push_back(widget);
            }
        }
        QWidget* target = OneOf(targets);
        QTest::sendKeyEvent(QTest::Click, target, key.code, key.text, key.modifiers);
        return "key " + key.name + " to " + nameOf_.at(target);
    }

    // A click at a point of the window; whatever is shown there takes it.
    enum class Click { Once, Twice, Right };
    void ClickAt(QWidget* within, QPoint local, Click click) {
        const QPoint at = within->mapTo(top_, local);
        switch (click) {
            case Click::Once:
                QTest::mouseClick(handle_, Qt::LeftButton, {}, at);
                break;
            case Click::Twice:
                QTest::mouseDClick(handle_, Qt::LeftButton, {}, at);
                break;
            case Click::Right:
                QTest::mouseClick(handle_, Qt::RightButton, {}, at);
                break;
        }
    }

    QPoint Anywhere(const QWidget* widget) {
        return {Uniform(0, std::max(0, widget->width() - 1)),
                Uniform(0, std::max(0, widget->height() - 1))};
    }

    std::string ClickControl() {
        const auto i = static_cast<size_t>(Uniform(0, static_cast<int>(widgets_.size()) - 1));
        const QPoint local = Anywhere(widgets_[i]);
        // A right click opens a field's context menu; later keys and clicks go to it.
        const int kind = Uniform(0, 99);
        const Click click = kind < 8 ? Click::Right : kind < 18 ? Click::Twice : Click::Once;
        ClickAt(widgets_[i], local, click);
        static const char* const kClicks[] = {"click", "double-click", "right click"};
        return std::string(kClicks[static_cast<int>(click)]) + " on " + names_[i] + " at " +
               std::to_string(local.x()) + "," + std::to_string(local.y()) +
               (widgets_[i]->isVisible() ? "" : " (hidden)");
    }

    std::string SelectTest() {
        const int64_t test = Uniform(1, 4);
        QAbstractButton* button = radios_[static_cast<size_t>(test)];
        const std::string name = nameOf_.at(button);
        if (Chance(75)) {
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect mark =
                button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
            ClickAt(button, mark.isValid() ? mark.center() : QPoint(6, button->height() / 2),
                    Click::Once);
            return "choose " + name + " with the mouse";
        }
        // From the keyboard: Tab brings the focus to the button, then Space or an arrow.
        button->setFocus(Qt::TabFocusReason);
        static const std::vector<Key> kKeys = {Special(Qt::Key_Space, "Space", {}, " "),
                                               Special(Qt::Key_Up, "Up"),
                                               Special(Qt::Key_Down, "Down")};
        const Key& key = OneOf(kKeys);
        QTest::sendKeyEvent(QTest::Click, handle_, key.code, key.text, key.modifiers);
        return "focus " + name + ", key " + key.name;
    }

    std::string Press(QAbstractButton* button) {
        const std::string name = nameOf_.at(button);
        if (Chance(50)) {
            ClickAt(button, Anywhere(button), Click::Once);
            return "click " + name;
        }
        button->setFocus(Qt::TabFocusReason);
        const bool space = Chance(70);
        QTest::sendKeyEvent(QTest::Click, handle_, space ? Qt::Key_Space : Qt::Key_Return,
                            space ? " " : "\r", {});
        return "focus " + name + ", key " + (space ? "Space" : "Return");
    }

    std::vector<QLineEdit*> ShownFields(bool withResult) const {
        std::vector<QLineEdit*> fields;
        for (QLineEdit* field : {df1_, df2_, value_, result_}) {
            if (field->isVisible() && (withResult || field != result_)) {
                fields.push_back(field);
            }
        }
        return fields;
    }

    QString RandomText() {
        const int kind = Uniform(0, 99);
        if (kind < 35) {
            return OneOf(kNotableTexts);
        }
        QString text;
        if (kind < 60) {
            static const QString kNumberish = "0123456789-.+eE/ ";
            for (int n = Uniform(1, 10); n > 0; --n) {
                text += kNumberish[Uniform(0, static_cast<int>(kNumberish.size()) - 1)];
            }
        } else if (kind < 75) {
            for (int n = Uniform(1, 15); n > 0; --n) {
                text += QChar(static_cast<char16_t>(Uniform(32, 126)));
            }
        } else {
            const int length = kind < 90 ? Uniform(1, 8) : Uniform(8, 4000);
            for (int n = length; n > 0; --n) {
                if (Chance(50)) {
                    text += QChar(static_cast<char16_t>(Uniform('0', '9')));
                    continue;
                }
                const auto& [low, high] = kUnicodeRanges[static_cast<size_t>(
                    Uniform(0, static_cast<int>(kUnicodeRanges.size()) - 1))];
                const auto ucs =
                    static_cast<char32_t>(Uniform(static_cast<int>(low), static_cast<int>(high)));
                text += QString::fromUcs4(&ucs, 1);
            }
        }
        return text;
    }

    std::string Paste() {
        const std::vector<QLineEdit*> fields = ShownFields(true);
        if (fields.empty()) {
            return KeyToFocus(OneOf(kCommands));
        }
        QLineEdit* field = OneOf(fields);
        const QString text = RandomText();
        QApplication::clipboard()->setText(text);
        const bool all = Chance(70);
        if (all) {
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        }
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        ++tally_.pastes;
        return std::string("paste ") + Quote(text) + (all ? " over all of " : " into ") +
               nameOf_.at(field);
    }

    // A number as a person would type it.
    std::string TypeNumber() {
        const std::vector<QLineEdit*> fields = ShownFields(false);
        if (fields.empty()) {
            return KeyToFocus(RandomKey());
        }
        QLineEdit* field = OneOf(fields);
        std::string number;
        if (field != value_) {
            for (int n = Uniform(1, 4); n > 0; --n) {
                number += static_cast<char>('0' + Uniform(0, 9));
            }
        } else {
            if (Chance(30)) {
                number += '-';
            }
            for (int n = Uniform(1, 3); n > 0; --n) {
                number += static_cast<char>('0' + Uniform(0, 9));
            }
            if (Chance(50)) {
                number += '.';
                for (int n = Uniform(0, 3); n > 0; --n) {
                    number += static_cast<char>('0' + Uniform(0, 9));
                }
            }
        }
        if (Chance(30)) {
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        }
        QTest::keyClicks(field, QString::fromStdString(number));
        return "type \"" + number + "\" into " + nameOf_.at(field);
    }

    std::string Act() {
        const int pick = Uniform(0, 999);
        if (pick < 300) {
            return KeyToFocus(RandomKey());
        }
        if (pick < 450) {
            return KeyToControl(RandomKey());
        }
        if (pick < 510) {
            return Chance(50) ? KeyToFocus(OneOf(kCommands)) : KeyToControl(OneOf(kCommands));
        }
        if (pick < 630) {
            return ClickControl();
        }
        if (pick < 710) {
            return SelectTest();
        }
        if (pick < 780) {
            return Press(calc_);
        }
        if (pick < 810) {
            return Press(clear_);
        }
        if (pick < 900) {
            return Paste();
        }
        return TypeNumber();
    }

    // ------------------------------------------------------------ checks

    static std::string Text(const QLineEdit* field) { return field->text().toStdString(); }

    Snapshot Take() const {
        return {w_->btn,
                Text(df1_),
                Text(df2_),
                Text(value_),
                Text(result_),
                result_->isVisible(),
                Named("pText")->isVisible(),
                Named("TailText")->isVisible()};
    }

    // Every way the window can be wrong after one action; empty when it is right.
    std::vector<std::string> Problems(const Snapshot& before,
                                      const std::vector<std::string>& texts) {
        std::vector<std::string> problems;
        const Snapshot now = Take();

        for (const std::string& text : texts) {
            if (std::find(kFixedMessages.begin(), kFixedMessages.end(), text) ==
                kFixedMessages.end()) {
                problems.push_back("a message that is not the calculator's: \"" + text + "\"");
            }
        }
        for (const std::string& text : boxes_.TakeStuck()) {
            problems.push_back("a message box did not go away: \"" + text + "\"");
        }
        if (!top_->isVisible()) {
            problems.emplace_back("the calculator window is gone");
        }
        if (now.btn < 0 || now.btn > 4) {
            problems.push_back("btn is " + std::to_string(now.btn));
        }
        static const QRegularExpression kProbability(QStringLiteral("^\\.[0-9]{4}$"));
        if (now.resultShown && !kProbability.match(result_->text()).hasMatch()) {
            problems.push_back("the result field shows \"" + now.result + "\"");
        }
        for (const auto& [field, limit] :
             {std::pair{df1_, 4}, std::pair{df2_, 4}, std::pair{value_, 7}}) {
            if (field->text().size() > limit) {
                problems.push_back(nameOf_.at(field) + " holds " + Quote(field->text()) +
                                   ", beyond its " + std::to_string(limit) + " characters");
            }
        }
        // The program's idea of what is shown is what the screen shows.
        for (size_t i = 0; i < controls_.size(); ++i) {
            if (controls_[i]->Visible() == widgets_[i]->isHidden()) {
                problems.push_back(
                    names_[i] + " is " + (widgets_[i]->isHidden() ? "hidden" : "shown") +
                    " while the program has it " + (controls_[i]->Visible() ? "shown" : "hidden"));
            }
        }

        // The entry controls each test shows; with no test, none of them.
        if (now.btn >= 0 && now.btn <= 4) {
            const bool value = now.btn != 0;
            const bool df1 = now.btn == kT || now.btn == kF || now.btn == kChiSquare;
            const bool df2 = now.btn == kF;
            const std::pair<const char*, bool> expected[] = {
                {"StaticText1", value}, {"zEdit", value}, {"df1Text", df1}, {"df1Edit", df1},
                {"df2Text", df2},       {"df2Edit", df2}, {"Ntext", df2},   {"Dtext", df2}};
            for (const auto& [name, shown] : expected) {
                if (Named(name)->isVisible() != shown) {
                    problems.push_back(std::string(name) + (shown ? " hidden" : " shown") +
                                       " with btn " + std::to_string(now.btn));
                }
            }
            if (now.btn != 0 && Named("dfBox")->isVisible() != df1) {
                problems.push_back(std::string("dfBox ") + (df1 ? "hidden" : "shown") +
                                   " with btn " + std::to_string(now.btn));
            }
            for (int64_t test = kZ; test <= kChiSquare; ++test) {
                if (radios_[static_cast<size_t>(test)]->isChecked() != (test == now.btn)) {
                    problems.push_back(nameOf_.at(radios_[static_cast<size_t>(test)]) +
                                       (now.btn == test ? " not selected" : " selected") +
                                       " with btn " + std::to_string(now.btn));
                }
            }
        }
        // A result is shown whole or not at all, and only for what is in the fields.
        if (now.pShown != now.resultShown) {
            problems.push_back(std::string("\"p\" ") + (now.pShown ? "shown" : "hidden") +
                               " while the result field is " +
                               (now.resultShown ? "shown" : "hidden"));
        }
        if (now.tailShown && !(now.resultShown && (now.btn == kZ || now.btn == kT))) {
            problems.push_back("\"two-tailed\" shown with btn " + std::to_string(now.btn) +
                               " and the result field " + (now.resultShown ? "shown" : "hidden"));
        }

        if (selections_ > 0) {
            ++tally_.selections;
            if (now.btn != selected_) {
                problems.push_back("choosing test " + std::to_string(selected_) + " left btn at " +
                                   std::to_string(now.btn));
            }
            if (!now.df1.empty() || !now.df2.empty() || !now.value.empty()) {
                problems.emplace_back("choosing a test left text in the entry fields");
            }
            QWidget* first = selected_ == kZ ? value_ : df1_;
            if (top_->focusWidget() != first) {
                problems.push_back("choosing test " + std::to_string(selected_) +
                                   " left the focus in " + FocusName());
            }
        }
        if (clearPresses_ > 0) {
            ++tally_.clears;
            if (now.btn != 0 || !now.value.empty() || !now.result.empty() ||
                now.df1 != before.df1 || now.df2 != before.df2) {
                problems.emplace_back(
                    "Clear left a test, a value or a result, or changed degrees of freedom");
            }
        }

        if (calcPresses_ == 0) {
            if (!texts.empty()) {
                problems.push_back("a message with no Calculate: \"" + texts.front() + "\"");
            }
        } else {
            tally_.calculations += static_cast<uint64_t>(calcPresses_);
            const Outcome outcome = Expected(before);
            const std::vector<std::string> messages(
                outcome.message.empty() ? 0 : static_cast<size_t>(calcPresses_), outcome.message);
            if (texts != messages) {
                std::string said;
                for (const std::string& text : texts) {
                    said += " \"" + text + "\"";
                }
                problems.push_back(
                    "Calculate said" + (said.empty() ? " nothing" : said) + ", expected " +
                    (outcome.message.empty() ? "no message" : "\"" + outcome.message + "\""));
            }
            if (outcome.message.empty()) {
                ++tally_.results;
                answered_ = now;
                ++tally_.resultsByTest[static_cast<size_t>(before.btn)];
                const bool twoTailed = before.btn == kZ || before.btn == kT;
                if (!now.resultShown || !now.pShown || now.tailShown != twoTailed ||
                    now.result != outcome.result) {
                    problems.push_back("Calculate showed \"" + now.result + "\" (field " +
                                       (now.resultShown ? "shown" : "hidden") + ", two-tailed " +
                                       (now.tailShown ? "shown" : "hidden") + "), expected \"" +
                                       outcome.result + "\"");
                }
            } else {
                ++tally_.messages[outcome.message];
                if (now.result != before.result || now.resultShown != before.resultShown ||
                    now.tailShown != before.tailShown) {
                    problems.emplace_back("a refused Calculate changed the result display");
                }
            }
        }
        // A result on screen answers what is in the fields now: every edit takes it away.
        if (now.resultShown) {
            const bool same = answered_.has_value() && now.btn == answered_->btn &&
                              now.df1 == answered_->df1 && now.df2 == answered_->df2 &&
                              now.value == answered_->value && now.result == answered_->result;
            if (!same) {
                problems.push_back(
                    "the result \"" + now.result +
                    "\" is shown, but the fields are not those it was worked out for" +
                    (answered_ ? " (btn " + std::to_string(answered_->btn) + ", df1Edit \"" +
                                     answered_->df1 + "\", df2Edit \"" + answered_->df2 +
                                     "\", zEdit \"" + answered_->value + "\")"
                               : std::string(" (none)")));
            }
        }
        return problems;
    }

    std::string State() const {
        const Snapshot s = Take();
        return "btn " + std::to_string(s.btn) + ", df1Edit \"" + s.df1 + "\", df2Edit \"" + s.df2 +
               "\", zEdit \"" + s.value + "\", pEdit \"" + s.result + "\" (" +
               (s.resultShown ? "shown" : "hidden") + "), focus " + FocusName();
    }
};

TEST_F(RandomInput, EveryActionLeavesTheCalculatorSound) {
    const uint64_t seed = FromEnvironment("QUENVALE_FUZZ_SEED", kDefaultSeed);
    const uint64_t actions = FromEnvironment("QUENVALE_FUZZ_ACTIONS", kDefaultActions);
    rng_.seed(seed);
    std::cout << "[ random input ] seed " << seed << ", " << actions
              << " actions (repeat with QUENVALE_FUZZ_SEED=" << seed << ")" << std::endl;
    const auto started = std::chrono::steady_clock::now();

    std::deque<std::string> history;
    for (uint64_t i = 0; i < actions; ++i) {
        // A person comes back to the calculator after a message box or the
        // Information window took the front.
        if (activates_ && QApplication::activeWindow() != top_ &&
            QApplication::activePopupWidget() == nullptr) {
            top_->activateWindow();
            QCoreApplication::processEvents();
            ++tally_.returns;
        }
        const bool menuBefore = QApplication::activePopupWidget() != nullptr;
        const Snapshot before = Take();
        calcPresses_ = clearPresses_ = selections_ = 0;

        history.push_back(std::to_string(i) + ": " + Act());
        if (history.size() > kHistory) {
            history.pop_front();
        }
        if (!menuBefore && QApplication::activePopupWidget() != nullptr) {
            ++tally_.menus;
        }

        const std::vector<std::string> problems = Problems(before, boxes_.TakeTexts());
        if (!problems.empty()) {
            std::string report;
            for (const std::string& problem : problems) {
                report += "  " + problem + "\n";
            }
            std::string last;
            for (const std::string& action : history) {
                last += "  " + action + "\n";
            }
            FAIL() << "seed " << seed << ", action " << i << " of " << actions << ":\n"
                   << report << "now: " << State() << "\nthe last actions:\n"
                   << last << "repeat with QUENVALE_FUZZ_SEED=" << seed;
        }
    }

    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << "[ random input ] " << actions << " actions in " << seconds
              << " s: " << tally_.calculations << " Calculate presses (" << tally_.results
              << " results: Z " << tally_.resultsByTest[1] << ", t " << tally_.resultsByTest[2]
              << ", F " << tally_.resultsByTest[3] << ", chi-square " << tally_.resultsByTest[4]
              << "), " << tally_.selections << " test choices, " << tally_.clears << " clears, "
              << tally_.pastes << " pastes, " << tally_.menus << " context menus, "
              << tally_.returns << " returns to the calculator window, " << testsupport::BeepCount()
              << " beeps" << std::endl;
    bool information = false;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        information =
            information || (window->isVisible() && window->windowTitle() == "Information");
    }
    std::cout << "[ random input ] the Information window is " << (information ? "" : "not ")
              << "open" << std::endl;
    for (const auto& [message, count] : tally_.messages) {
        std::cout << "[ random input ]   " << count << " x \"" << message << "\"" << std::endl;
    }
    // A run that never reached a result would have checked little.
    EXPECT_GT(tally_.results, 0u);
}

}  // namespace
