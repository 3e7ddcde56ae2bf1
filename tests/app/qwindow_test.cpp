// The Information window, opened by a click on the calculator window's small
// picture: one at a time, keeping its edits until it is closed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <string>

#include "tests/support/Gui.h"
#include "tests/support/Screen.h"
#include "windows/MainWnd.h"
#include "windows/Qwindow.h"

namespace {

// A click on the small picture, then the Information window's text area.
QPlainTextEdit* ClickSmallPicture() {
    QTest::mouseClick(screen::Control(*MainWnd(), "Canvas2"), Qt::LeftButton, {}, QPoint(3, 3));
    testsupport::Wait(10);
    auto information = fw::_GetImplicitWindow("Qwindow.Qwindow");
    EXPECT_NE(information, nullptr);
    EXPECT_TRUE(information && screen::Window(*information)->isVisible());
    return information ? qobject_cast<QPlainTextEdit*>(screen::Control(*information, "Qfld"))
                       : nullptr;
}

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
    // Fourteen lines apart by carriage returns, the rule of hyphens straight before the notice.
    const std::string lines = Qwindow()->Qfld()->Text();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\r'), 13);
    EXPECT_EQ(lines.find('\n'), std::string::npos);
    EXPECT_EQ(lines.rfind("Quenvale\r\rThis program calculates the probability of Z, t, F, and "
                          "Chi-square statistics.\r\r",
                          0),
              0u);
    EXPECT_NE(lines.find("\r" + std::string(78, '-') + "\r"), std::string::npos);

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
