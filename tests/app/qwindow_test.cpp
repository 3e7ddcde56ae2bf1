// The Information window: one window at a time, its text, its edits, its closing.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>
#include <string>

#include "tests/support/Gui.h"
#include "windows/Qwindow.h"

namespace {

using QwindowRef = fw::Ref<class Qwindow>;

// What a click on the calculator window's small picture does.
QwindowRef ShowInformation() {
    QwindowRef w = Qwindow();
    w->Show();
    testsupport::Wait(10);
    return w;
}

QPlainTextEdit* Editor(const QwindowRef& w) {
    return qobject_cast<QPlainTextEdit*>(testsupport::Widget(*w->Qfld()));
}

class QwindowTest : public testing::Test {
  protected:
    // Every case starts and ends with no Information window.
    void SetUp() override { ASSERT_EQ(fw::_GetImplicitWindow("Qwindow.Qwindow"), nullptr); }
    void TearDown() override {
        if (auto w = fw::_GetImplicitWindow("Qwindow.Qwindow")) {
            w->Close();
        }
    }
};

TEST_F(QwindowTest, FixedWindowFilledByItsText) {
    QwindowRef w = ShowInformation();
    EXPECT_EQ(w->Title(), "Information");
    EXPECT_EQ(testsupport::ContentWidget(*w)->width(), 475);
    EXPECT_EQ(testsupport::ContentWidget(*w)->height(), 400);

    QWidget* top = testsupport::WindowWidget(*w);
    ASSERT_NE(top, nullptr);
    EXPECT_TRUE(top->isVisible());
    EXPECT_EQ(top->minimumSize(), top->maximumSize()) << "the window must not be resizable";
    EXPECT_FALSE(top->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(top->windowFlags().testFlag(Qt::WindowCloseButtonHint));

    auto qfld = w->Qfld();
    EXPECT_EQ(testsupport::Place(*qfld).x(), -1);
    EXPECT_EQ(testsupport::Place(*qfld).y(), -1);
    EXPECT_EQ(testsupport::Place(*qfld).width(), 476);
    EXPECT_EQ(testsupport::Place(*qfld).height(), 398);
    QPlainTextEdit* editor = Editor(w);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(editor->isReadOnly());
    EXPECT_EQ(editor->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_NE(editor->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

// Fourteen lines, each ended by a carriage return alone except the last.
constexpr const char* kInformationText =
    "Quenvale\r"
    "\r"
    "This program calculates the probability of Z, t, F, and Chi-square statistics.\r"
    "\r"
    "Z probability is based on the ZKERCOOK routine from: (1989). Algorithms for fast and precise "
    "computation of the normal integral. Behavior Research Methods, Instruments, & Computers, 21, "
    "447-454.\r"
    "\r"
    "t probability is based on Algorithm 8.7, F probability on Algorithm 8.11, and Chi-square "
    "probability on Algorithm 8.9 from: Cooke, D., Craven, A. H., & Clarke, G. M. (1990). Basic "
    "statistical computing (2nd ed.). Edward Arnold.\r"
    "\r"
    "------------------------------------------------------------------------------\r"
    "Copyright (c) 2020-2026 The Quenvale authors. All rights reserved. Quenvale may be copied and "
    "given away free of charge, unchanged and with this notice.\r"
    "\r"
    "Reference as: The Quenvale authors (2020). Quenvale [Computer software]. The Quenvale "
    "authors.\r"
    "\r"
    "Author makes no warranty, expressed or implied, respecting Quenvale, including, but not "
    "limited to, warranties of merchantability or fitness for particular purpose. Quenvale must be "
    "used with professional care. It should be applied in conjunction with professional judgment "
    "to determine the appropriateness of classifications and recommendations. The user is "
    "expected to possess the necessary professional qualifications and skills to properly use the "
    "Quenvale program. The user assumes complete responsibility for any decisions or reports based "
    "on information obtained from Quenvale. The author assumes no liability to the user nor any "
    "third party with respect to the user's activities or application of the Quenvale program nor "
    "for any damages arising out of any miscalculation or misuse by the user.";

TEST_F(QwindowTest, ShowsTheInformationTextWhole) {
    EXPECT_EQ(ShowInformation()->Qfld()->Text(), kInformationText);
}

TEST_F(QwindowTest, SecondClickShowsTheSameWindowWithItsEdits) {
    QwindowRef first = ShowInformation();
    const std::string initial = first->Qfld()->Text();
    QPlainTextEdit* editor = Editor(first);
    ASSERT_NE(editor, nullptr);
    editor->setFocus();
    editor->moveCursor(QTextCursor::Start);
    QTest::keyClicks(editor, "Edited ");
    const std::string edited = first->Qfld()->Text();
    ASSERT_EQ(edited, "Edited " + initial);

    QwindowRef second = ShowInformation();
    EXPECT_EQ(second, first);
    EXPECT_EQ(second->Qfld()->Text(), edited);
    EXPECT_TRUE(testsupport::WindowWidget(*second)->isVisible());
}

TEST_F(QwindowTest, AfterClosingAClickGivesAFreshText) {
    QwindowRef first = ShowInformation();
    const std::string initial = first->Qfld()->Text();
    QTest::keyClicks(testsupport::Widget(*first->Qfld()), "Edited");
    ASSERT_NE(first->Qfld()->Text(), initial);
    first->Close();
    EXPECT_EQ(fw::_GetImplicitWindow("Qwindow.Qwindow"), nullptr);

    QwindowRef second = ShowInformation();
    EXPECT_NE(second, first);
    EXPECT_EQ(second->Qfld()->Text(), initial);
}

}  // namespace
