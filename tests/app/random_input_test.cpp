// A long run of random input against the calculator window: keys of every kind,
// clicks anywhere, test choices, Calculate and Clear, typed numbers and pasted
// odd texts. After every action the window must be in a state the calculator can
// be in. The run is seeded so that a failure can be repeated: QUENVALE_FUZZ_SEED
// chooses the input, QUENVALE_FUZZ_ACTIONS its length.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <numeric>
#include <optional>
#include <random>
#include <string>

#include "tests/app/CalculatorScreen.h"
#include "tests/support/Gui.h"
#include "windows/MainWnd.h"

namespace {

uint64_t FromEnvironment(const char* name, uint64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 0) : fallback;
}

// Keys that are no text, and commands. Ctrl+Q would quit, the menu key open a popup.
const Qt::Key kSpecialKeys[] = {Qt::Key_Backspace, Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Return,
                                Qt::Key_Enter,     Qt::Key_Escape, Qt::Key_Delete,  Qt::Key_Left,
                                Qt::Key_Right,     Qt::Key_Up,     Qt::Key_Down,    Qt::Key_Home,
                                Qt::Key_End,       Qt::Key_F2};
const Qt::Key kCommands[] = {Qt::Key_A, Qt::Key_C, Qt::Key_V,         Qt::Key_X,
                             Qt::Key_Z, Qt::Key_Y, Qt::Key_Backspace, Qt::Key_Left};
// Texts worth pasting: bounds, numbers beyond every range, what is not a number.
const QStringList kTexts =
    QString(
        "1e30|1e999|-1e999|-|abc||0|-0|0.5|1.5|9|-9|9.0001|999.1|9999|10000|1e4|4.9e-324|nan|"
        "inf|0x10|1,5| 5|+5|1.2.3|.5|/|9223372036854775808|\t1|1\n2|\xf0\x9f\x98\x80|"
        "\xef\xbc\x91\xef\xbc\x92\xd9\xa3")
        .split('|') +
    QStringList{QString(5000, '7')};
const char* const kButtons[] = {"ZBtn", "TBtn", "FBtn", "XBtn", "CalcBtn", "ClearBtn"};
const char* const kFields[] = {"df1Edit", "df2Edit", "zEdit", "pEdit"};
const std::string kValueKeys = "0123456789-./e";
struct Fields {
    int64_t btn;
    std::string df1, df2, value, result;
    bool resultShown, tailShown;
    bool operator==(const Fields&) const = default;
};

class RandomInput : public CalculatorScreen {
  protected:
    QWidget* top_ = testsupport::WindowWidget(*w);
    std::mt19937_64 rng_;
    int calcPresses_ = 0, clearPresses_ = 0;
    int64_t selected_ = 0;
    std::optional<Fields> answered_;  // the screen as the last result left it

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    template <class List>
    auto OneOf(const List& items) {
        return items[Uniform(0, static_cast<int>(std::size(items)) - 1)];
    }
    Fields Now() const {
        return {w->btn,        Text("df1Edit"), Text("df2Edit"),  Text("zEdit"),
                Text("pEdit"), Shown("pEdit"),  Shown("TailText")};
    }

    void SetUp() override {
        testsupport::Wait(50);
        // Spies, connected after the program's own handlers: they only count.
        for (int64_t button = 0; button < 6; ++button) {
            QObject::connect(qobject_cast<QAbstractButton*>(Widget(kButtons[button])),
                             &QAbstractButton::clicked, top_, [this, button] {
                                 calcPresses_ += button == 4 ? 1 : 0;
                                 clearPresses_ += button == 5 ? 1 : 0;
                                 selected_ = button < 4 ? button + 1 : selected_;
                             });
        }
    }

    // One action of a person, described for the report.
    std::string Act() {
        QWindow* window = top_->windowHandle();
        const int kind = Uniform(0, 9);
        if (kind < 4) {  // a key, to whatever has the focus or straight to a field or button
            const int type = Uniform(0, 5);  // a value key, any character, a special key, a command
            const QChar c = type < 2   ? QChar::fromLatin1(OneOf(kValueKeys))
                            : type < 4 ? QChar(Uniform(32, 0x4E80))
                                       : QChar();
            const Qt::Key key = !c.isNull() ? static_cast<Qt::Key>(c.toUpper().unicode())
                                : type == 4 ? OneOf(kSpecialKeys)
                                            : OneOf(kCommands);
            const Qt::KeyboardModifiers modifiers = type == 5       ? Qt::ControlModifier
                                                    : Uniform(0, 4) ? Qt::NoModifier
                                                                    : Qt::ShiftModifier;
            const QString text = c.isNull() ? QString() : QString(c);
            const char* to = kind > 0 ? nullptr : Uniform(0, 1) ? OneOf(kFields) : OneOf(kButtons);
            if (to != nullptr && Shown(to)) {
                QTest::sendKeyEvent(QTest::Click, Widget(to), key, text, modifiers);
            } else {
                QTest::sendKeyEvent(QTest::Click, window, key, text, modifiers);
            }
            return "key " + std::to_string(key) + " \"" + text.toStdString() + "\" modifiers " +
                   std::to_string(modifiers) + " to " + (to ? to : "the focus");
        }
        if (kind < 6) {  // a click anywhere below the menu bar
            QWidget* content = Widget("CalcBtn")->parentWidget();
            const QPoint at = content->mapTo(
                top_, QPoint(Uniform(0, content->width() - 1), Uniform(0, content->height() - 1)));
            const int click = Uniform(0, 9);
            if (click == 0) {
                QTest::mouseDClick(window, Qt::LeftButton, {}, at);
            } else {
                QTest::mouseClick(window, click == 1 ? Qt::RightButton : Qt::LeftButton, {}, at);
            }
            return "click " + std::to_string(click) + " at " + std::to_string(at.x()) + "," +
                   std::to_string(at.y());
        }
        if (kind < 8) {  // a button: clicked, or reached by Tab and pressed from the keyboard
            const char* button = Uniform(0, 1) ? "CalcBtn" : OneOf(kButtons);
            const Qt::Key key = OneOf(
                std::vector{Qt::Key(0), Qt::Key_Space, Qt::Key_Return, Qt::Key_Up, Qt::Key_Down});
            if (key == Qt::Key(0)) {
                QTest::mouseClick(Widget(button), Qt::LeftButton);
            } else {
                Widget(button)->setFocus(Qt::TabFocusReason);
                QTest::sendKeyEvent(QTest::Click, window, key, key == Qt::Key_Space ? " " : "", {});
            }
            return std::string("press ") + button + " with key " + std::to_string(key);
        }
        const char* field = OneOf(kFields);  // a number typed, or a paste over all or into it
        if (Uniform(0, 1) == 0) {
            const QString number = QString::number(Uniform(-20, 300) / (Uniform(0, 1) ? 1 : 10.0));
            QTest::keyClicks(Field(field), number);
            return "type " + number.toStdString() + " into " + field;
        }
        QString text = OneOf(kTexts);
        for (int n = Uniform(0, 1) ? 0 : Uniform(1, 12); n > 0; --n) {
            text +=
                Uniform(0, 1) ? QChar::fromLatin1(OneOf(kValueKeys)) : QChar(Uniform(32, 0x2FFF));
        }
        QApplication::clipboard()->setText(text);
        if (Uniform(0, 1) == 0) {
            QTest::keyClick(Field(field), Qt::Key_A, Qt::ControlModifier);
        }
        QTest::keyClick(Field(field), Qt::Key_V, Qt::ControlModifier);
        return "paste \"" + text.left(40).toStdString() + "\" into " + field;
    }

    // Every way the window can be wrong after one action that had the calculator say what
    // it said (a box left open has failed already).
    void Check(const Fields& before, const std::vector<std::string>& said) {
        const Fields now = Now();
        for (const std::string& text : said) {
            EXPECT_EQ(kMessages.count(text), 1u) << "not the calculator's message: " << text;
        }
        EXPECT_TRUE(said.empty() || calcPresses_ > 0) << "a message with no Calculate";
        EXPECT_TRUE(top_->isVisible()) << "the calculator window is gone";

        // A result shows whole or not at all, as a probability, for what the fields hold.
        static const QRegularExpression kProbability("^\\.[0-9]{4}$");
        EXPECT_TRUE(!now.resultShown || kProbability.match(Field("pEdit")->text()).hasMatch())
            << now.result;
        EXPECT_EQ(Shown("pText"), now.resultShown);
        EXPECT_TRUE(!now.tailShown || (now.resultShown && (now.btn == 1 || now.btn == 2)));
        if (calcPresses_ > 0 && said.empty() && now.resultShown) {
            answered_ = now;
        }
        EXPECT_TRUE(!now.resultShown || answered_ == now) << "a result for other fields";
        EXPECT_TRUE(calcPresses_ == 0 || said.empty() || now == before)
            << "a refused Calculate changed the screen";

        // The fields keep their lengths; what shows follows the chosen test.
        for (const auto& [name, most] : {std::pair{"df1Edit", 4}, {"df2Edit", 4}, {"zEdit", 7}}) {
            EXPECT_LE(Field(name)->text().size(), most) << name;
        }
        ASSERT_TRUE(now.btn >= 0 && now.btn <= 4) << now.btn;
        const std::string seen = Seen(0, kEntries, false);  // with no test the frame stays
        EXPECT_TRUE(seen == kScreenOf[now.btn] ||
                    (now.btn == 0 && seen == kScreenOf[0] + std::string(" frame")))
            << seen;
        if (selected_ != 0) {
            EXPECT_EQ(now.btn, selected_);
            EXPECT_EQ(now.df1 + now.df2 + now.value, "") << "a new test starts from empty fields";
            EXPECT_EQ(top_->focusWidget(), Widget(selected_ == 1 ? "zEdit" : "df1Edit"));
        }
        if (clearPresses_ > 0) {
            EXPECT_EQ(now.btn, 0);
            EXPECT_EQ(now.value + now.result, "");
            EXPECT_EQ(now.df1 + "|" + now.df2, before.df1 + "|" + before.df2);
        }
    }
};

TEST_F(RandomInput, EveryActionLeavesTheCalculatorSound) {
    const uint64_t seed = FromEnvironment("QUENVALE_FUZZ_SEED", 20240611);
    const uint64_t actions = FromEnvironment("QUENVALE_FUZZ_ACTIONS", 100000);
    rng_.seed(seed);
    // Odd texts make the platform remark on fonts and popups; a failure would drown in that.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::cerr << text.toStdString() << std::endl;
        }
    });
    std::deque<std::string> last;
    uint64_t results = 0;
    for (uint64_t i = 0; i < actions && !HasFailure(); ++i) {
        if (QApplication::activeWindow() != top_ && QApplication::activePopupWidget() == nullptr) {
            top_->activateWindow();  // a person comes back after a box or another window
        }
        const Fields before = Now();
        calcPresses_ = clearPresses_ = 0;
        selected_ = 0;
        std::string action;
        const std::vector<std::string> said =
            testsupport::DismissMessageBoxes([&] { action = Act(); });
        last.push_back(std::to_string(i) + ": " + action + "\n");
        if (last.size() > 20) {
            last.pop_front();
        }
        SCOPED_TRACE(testing::Message()
                     << "seed " << seed << ", the last actions:\n"
                     << std::accumulate(last.begin(), last.end(), std::string()));
        Check(before, said);
        results += calcPresses_ > 0 && Shown("pEdit") ? 1 : 0;
    }
    std::cout << "seed " << seed << ": " << actions << " actions, " << results << " results"
              << std::endl;
    EXPECT_GT(results, actions / 1000) << "a run that never reaches a result checks little";
}

}  // namespace
