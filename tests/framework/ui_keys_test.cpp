// Keys in a text field: the text KeyDown receives, swallowing and letting
// through under the field's own rules, commands that pass the filter, and TextChange.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include "tests/framework/ui_probe.h"
#include "tests/support/Gui.h"

namespace {

using fw::PropertyTable;
using uitest::Place;
using uitest::Probe;

// The field's KeyDown and TextChange handlers: they write down what they see;
// KeyDown swallows what `swallow` says.
struct Filter : public fw::Object {
    std::function<bool(const std::string&)> swallow = [](const std::string&) { return false; };
    std::vector<std::string> keys;
    int changes = 0;
    bool KeyDown(fw::Ref<fw::TextField>, std::string key) {
        keys.push_back(key);
        return swallow(key);
    }
    void TextChange(fw::Ref<fw::TextField>) { ++changes; }
};

class KeysTest : public ::testing::Test {
  protected:
    void SetUp() override {
        filter_ = std::make_shared<Filter>();
        window_ = uitest::MakeProbe({}, [this](Probe& self) {
            field_ = self.Add<fw::TextField>("df1Edit", Place(PropertyTable(), 245, 186, 62, 20)
                                                            .Integer("MaximumCharactersAllowed", 4)
                                                            .Boolean("ReadOnly", false));
            fw::RuntimeAddEventHandler(
                field_, 9,
                fw::RuntimeCreateDelegate(&Filter::KeyDown, filter_,
                                          "( TextField, String ) as Boolean", 1));
            fw::RuntimeAddEventHandler(
                field_, 21,
                fw::RuntimeCreateDelegate(&Filter::TextChange, filter_, "( TextField )", 1));
        });
        edit_ = qobject_cast<QLineEdit*>(testsupport::Widget(*field_));
        ASSERT_NE(edit_, nullptr);
        edit_->setFocus();
    }
    void TearDown() override { uitest::CloseProbes(); }

    std::shared_ptr<Filter> filter_;
    fw::Ref<Probe> window_;
    fw::Ref<fw::TextField> field_;
    QLineEdit* edit_ = nullptr;
};

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::vector<std::string> delivered;  // what KeyDown receives; empty: no KeyDown
    char typed = 0;                      // a character typed rather than a key pressed
};

class KeyTextTest : public KeysTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyTextTest, KeyDownReceivesTheKeysText) {
    const KeyCase& c = GetParam();
    filter_->swallow = [](const std::string&) { return true; };  // the field stays put
    if (c.typed != 0) {
        QTest::keyClick(edit_, c.typed, c.modifiers);
    } else {
        QTest::keyClick(edit_, c.key, c.modifiers);
    }
    EXPECT_EQ(filter_->keys, c.delivered);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTextTest,
    ::testing::Values(
        KeyCase{"Backspace", Qt::Key_Backspace, {}, {"\x08"}},
        KeyCase{"Tab", Qt::Key_Tab, {}, {"\x09"}},
        KeyCase{"Backtab", Qt::Key_Backtab, Qt::ShiftModifier, {"\x09"}},
        KeyCase{"Return", Qt::Key_Return, {}, {"\x0d"}},
        KeyCase{"Enter", Qt::Key_Enter, Qt::KeypadModifier, {"\x03"}},
        KeyCase{"Escape", Qt::Key_Escape, {}, {"\x1b"}},
        KeyCase{"Delete", Qt::Key_Delete, {}, {"\x7f"}},
        KeyCase{"Left", Qt::Key_Left, {}, {"\x1c"}}, KeyCase{"Right", Qt::Key_Right, {}, {"\x1d"}},
        KeyCase{"Up", Qt::Key_Up, {}, {"\x1e"}}, KeyCase{"Down", Qt::Key_Down, {}, {"\x1f"}},
        KeyCase{"Home", Qt::Key_Home, {}, {"\x01"}}, KeyCase{"End", Qt::Key_End, {}, {"\x04"}},
        KeyCase{"Letter", Qt::Key_A, {}, {"a"}},
        KeyCase{"ShiftedLetter", Qt::Key_A, Qt::ShiftModifier, {"A"}, 'A'},
        KeyCase{"Digit", Qt::Key_7, {}, {"7"}}, KeyCase{"Slash", Qt::Key_Slash, {}, {"/"}},
        KeyCase{"FunctionKey", Qt::Key_F5, {}, {""}},
        KeyCase{"ShiftAlone", Qt::Key_Shift, Qt::ShiftModifier, {}},
        KeyCase{"ControlAlone", Qt::Key_Control, Qt::ControlModifier, {}},
        KeyCase{"CtrlLetter", Qt::Key_A, Qt::ControlModifier, {}},
        KeyCase{"CtrlV", Qt::Key_V, Qt::ControlModifier, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeysTest, ASwallowedKeyLeavesTheTextAndOneLetThroughMeetsTheLimit) {
    // The degrees-of-freedom filter: digits, backspace and tab go on.
    filter_->swallow = [](const std::string& key) {
        const int64_t code = key.empty() ? -1 : static_cast<unsigned char>(key[0]);
        return !((code >= 48 && code <= 57) || code == 8 || code == 9);
    };
    QTest::keyClicks(edit_, "1a2-345");
    EXPECT_EQ(field_->Text(), "1234");
    EXPECT_EQ(filter_->keys.size(), 7u);

    QTest::keyClick(edit_, Qt::Key_Backspace);
    EXPECT_EQ(field_->Text(), "123");
    QTest::keyClick(edit_, Qt::Key_Left);  // swallowed: the cursor stays at the end
    QTest::keyClick(edit_, Qt::Key_9);
    EXPECT_EQ(field_->Text(), "1239");
}

TEST_F(KeysTest, PastingPassesTheFilterAndIsHeldToTheLimit) {
    filter_->swallow = [](const std::string&) { return true; };
    QApplication::clipboard()->setText("98765");
    QTest::keyClick(edit_, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field_->Text(), "9876");
    EXPECT_TRUE(filter_->keys.empty());
    EXPECT_EQ(filter_->changes, 1);

    QTest::keyClick(edit_, Qt::Key_A, Qt::ControlModifier);  // select all
    QTest::keyClick(edit_, Qt::Key_X, Qt::ControlModifier);  // cut
    EXPECT_EQ(field_->Text(), "");
    EXPECT_EQ(QApplication::clipboard()->text(), "9876");
    QTest::keyClick(edit_, Qt::Key_Z, Qt::ControlModifier);  // undo
    EXPECT_EQ(field_->Text(), "9876");
    EXPECT_TRUE(filter_->keys.empty());
}

TEST_F(KeysTest, AReadOnlyFieldTakesNoTypingButCopies) {
    fw::_SetProperties(
        *field_, PropertyTable().Integer("MaximumCharactersAllowed", 9).Boolean("ReadOnly", true));
    field_->Text(".0500");
    QTest::keyClicks(edit_, "12");
    QTest::keyClick(edit_, Qt::Key_Backspace);
    EXPECT_EQ(field_->Text(), ".0500");
    EXPECT_EQ(filter_->keys, (std::vector<std::string>{"1", "2", "\x08"}));

    QApplication::clipboard()->clear();
    QTest::keyClick(edit_, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit_, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), ".0500");
}

TEST_F(KeysTest, TextChangeFollowsEveryChangeOfTheText) {
    QTest::keyClicks(edit_, "12");
    EXPECT_EQ(filter_->changes, 2);

    field_->Text("12");  // the same text
    EXPECT_EQ(filter_->changes, 2);
    field_->Text("");
    EXPECT_EQ(filter_->changes, 3);
    field_->Text("");
    EXPECT_EQ(filter_->changes, 3);

    QTest::keyClicks(edit_, "12345");  // the fifth changes nothing
    EXPECT_EQ(filter_->changes, 7);
    QTest::keyClick(edit_, Qt::Key_Backspace);
    EXPECT_EQ(filter_->changes, 8);
    EXPECT_EQ(field_->Text(), "123");
}

}  // namespace
