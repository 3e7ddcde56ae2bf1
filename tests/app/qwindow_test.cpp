// The Information window: one window at a time, its text, its edits, its closing.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>

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

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\r') {
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
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

TEST_F(QwindowTest, TextHasFourteenLinesSeparatedByCarriageReturns) {
    const std::string text = ShowInformation()->Qfld()->Text();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 13);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_EQ(text.find('\t'), std::string::npos);
    for (char c : text) {
        ASSERT_TRUE(static_cast<unsigned char>(c) < 128) << "the text is plain ASCII";
    }

    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0], "Quenvale");
    EXPECT_EQ(lines[2],
              "This program calculates the probability of Z, t, F, and Chi-square statistics.");
    EXPECT_EQ(lines[4].rfind("Z probability is based on the ZKERCOOK routine from: ", 0), 0u);
    EXPECT_EQ(lines[6].rfind("t probability is based on Algorithm 8.7, F probability on "
                             "Algorithm 8.11, and Chi-square probability on Algorithm 8.9 from: ",
                             0),
              0u);
    EXPECT_EQ(lines[8], std::string(78, '-'));
    EXPECT_NE(lines[9].find("The Quenvale authors"), std::string::npos);
    EXPECT_EQ(lines[11].rfind("Reference as: The Quenvale authors (2020). Quenvale [Computer "
                              "software]. ",
                              0),
              0u);
    EXPECT_EQ(lines[13].rfind("Author makes no warranty, expressed or implied, respecting "
                              "Quenvale, ",
                              0),
              0u);
    EXPECT_TRUE(
        lines[13].ends_with(" nor for any damages arising out of any miscalculation or "
                            "misuse by the user."));
    for (std::size_t blank : {1u, 3u, 5u, 7u, 10u, 12u}) {
        EXPECT_EQ(lines[blank], "") << "line " << blank + 1;
    }
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
