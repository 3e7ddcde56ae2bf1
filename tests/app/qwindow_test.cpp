// The Information window, opened by a click on the calculator window's small
// picture: one at a time, keeping its edits until it is closed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>

#include "tests/support/Gui.h"
#include "windows/MainWnd.h"
#include "windows/Qwindow.h"

namespace {

// A click on the small picture, then the Information window's text area.
QPlainTextEdit* ClickSmallPicture() {
    QTest::mouseClick(testsupport::Control(*MainWnd(), "Canvas2"), Qt::LeftButton, {},
                      QPoint(3, 3));
    testsupport::Wait(10);
    auto information = fw::_GetImplicitWindow("Qwindow.Qwindow");
    EXPECT_NE(information, nullptr);
    EXPECT_TRUE(information && testsupport::WindowWidget(*information)->isVisible());
    return information ? qobject_cast<QPlainTextEdit*>(testsupport::Control(*information, "Qfld"))
                       : nullptr;
}

// Fourteen lines, each ended by a carriage return alone except the last.
constexpr const char* kInformationText =
    "Quenvale\r\rThis program calculates the probability of Z, t, F, and Chi-square statistics.\r"
    "\rZ probability is based on the ZKERCOOK routine from: (1989). Algorithms for fast and "
    "precise computation of the normal integral. Behavior Research Methods, Instruments, & "
    "Computers, 21, 447-454.\r\rt probability is based on Algorithm 8.7, F probability on "
    "Algorithm 8.11, and Chi-square probability on Algorithm 8.9 from: Cooke, D., Craven, A. H., "
    "& Clarke, G. M. (1990). Basic statistical computing (2nd ed.). Edward Arnold.\r\r"
    "------------------------------------------------------------------------------\rCopyright "
    "(c) 2020-2026 The Quenvale authors. All rights reserved. Quenvale may be copied and given "
    "away free of charge, unchanged and with this notice.\r\rReference as: The Quenvale authors "
    "(2020). Quenvale [Computer software]. The Quenvale authors.\r\rAuthor makes no warranty, "
    "expressed or implied, respecting Quenvale, including, but not limited to, warranties of "
    "merchantability or fitness for particular purpose. Quenvale must be used with professional "
    "care. It should be applied in conjunction with professional judgment to determine the "
    "appropriateness of classifications and recommendations. The user is expected to possess the "
    "necessary professional qualifications and skills to properly use the Quenvale program. The "
    "user assumes complete responsibility for any decisions or reports based on information "
    "obtained from Quenvale. The author assumes no liability to the user nor any third party "
    "with respect to the user's activities or application of the Quenvale program nor for any "
    "damages arising out of any miscalculation or misuse by the user.";

int InformationWindows() {
    const QWidgetList tops = QApplication::topLevelWidgets();
    return static_cast<int>(std::count_if(tops.begin(), tops.end(), [](QWidget* top) {
        return top->isVisible() && top->windowTitle() == "Information";
    }));
}

TEST(Information, OneWindowShowsTheTextAndKeepsItsEditsUntilClosed) {
    QPlainTextEdit* text = ClickSmallPicture();
    ASSERT_NE(text, nullptr);
    const QString initial = text->toPlainText();
    EXPECT_EQ(Qwindow()->Qfld()->Text(), kInformationText);

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
    QPlainTextEdit* fresh = ClickSmallPicture();
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->toPlainText(), initial);
    EXPECT_EQ(InformationWindows(), 1);
}

}  // namespace
